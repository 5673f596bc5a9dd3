// Keeps the frame's child "Main Dialog" (the parameter dialog) disabled while a file selector
// or the printer preparation runs, and enables it again however that step ends.
#pragma once

class GwCore;

class CDialogLock {
public:
    // frame may be null, and may have no "Main Dialog": then nothing is disabled.
    explicit CDialogLock(GwCore* frame);
    ~CDialogLock();

    CDialogLock(const CDialogLock&) = delete;
    CDialogLock& operator=(const CDialogLock&) = delete;

private:
    GwCore* m_pDialog;
};
