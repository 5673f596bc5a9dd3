// The wait cursor, shown for as long as the object lives (one step of work).
//
//   { GwWaitObject wait; connect(); }    // the cursor is back when the block ends
#pragma once

class GwWaitObject {
public:
    GwWaitObject();
    ~GwWaitObject();
    GwWaitObject(const GwWaitObject&) = delete;
    GwWaitObject& operator=(const GwWaitObject&) = delete;

    // Wait cursors alive at the moment (they nest).
    static int active();
};
