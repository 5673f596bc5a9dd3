// Letting the window system work while the program waits: the serial driver keeps windows,
// timers and buttons alive while it waits for a scanner's answer.
//
// wait_for_events sleeps in the operating system until something arrives (data on a port,
// a timer, user input) and handles it; it never spins. Waiting costs about 1 ms of processor
// time per 2 s, where a loop around process_pending() would take the whole core.
//
//   while (!answer_complete() && !timed_out)
//       GwEventLoop::wait_for_events(3000);     // bounded even if no timer is running
#pragma once

class GwEventLoop {
public:
    // Handles what is pending, waiting for at least one event first when none is. With
    // max_ms >= 0 the wait ends after that many milliseconds even when nothing arrives
    // (without a bound and without any timer or input it would wait for ever).
    static void wait_for_events(int max_ms = -1);
    // Handles what is pending and returns at once (an information box gets drawn).
    static void process_pending();
};
