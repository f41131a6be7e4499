#include "testing/fake_clock.h"

FakeClock::FakeClock(const QDateTime& start) : now_(start) { setClock(this); }

FakeClock::~FakeClock() { setClock(nullptr); }
