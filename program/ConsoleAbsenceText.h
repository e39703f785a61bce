#pragma once

#include "station/link/UsbDevice.h"

// What the status bar tells while the link is down, in the current language: that no console
// is attached, or that one is but cannot be opened, with the step that lets the user open it.
// Null for kNone: there is nothing to tell.
const char* ConsoleAbsenceText(ConsoleAbsence absence);
