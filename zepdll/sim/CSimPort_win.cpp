// The Windows part of the simulated port: the Qt timer wakes a waiting loop, to the millisecond.
#include "CSimPort.h"

void CSimPort::open_wake() {}

void CSimPort::close_wake() {
    m_pWake.reset();
}

int CSimPort::precise_wake(long long /*ns*/) {
    return 0;
}
