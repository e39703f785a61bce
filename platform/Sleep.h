#pragma once

// Every pause of the program's own code goes through SleepMs, so that tests can count the
// pauses or shorten them without changing what the program does.
void SleepMs(int milliseconds);

using SleepFunction = void (*)(int milliseconds);

// Makes SleepMs call `function` instead of really sleeping; null restores real sleeping.
// Returns the function in use before. Safe to call while other threads sleep.
SleepFunction SetSleepFunction(SleepFunction function);
