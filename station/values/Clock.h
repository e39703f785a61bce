#pragma once

#include <ctime>

// The program's one source of "now". Everything that stamps or measures against the current
// time asks here, so that tests can put a fixed clock in its place.
using ClockFunction = time_t (*)();

// The current time: the system clock unless another clock was set.
time_t CurrentTime();

// Makes `clock` the source of CurrentTime (nullptr: the system clock again) and returns the
// clock it replaces. Safe to call while other threads read the time.
ClockFunction SetClock(ClockFunction clock);
