#pragma once

#include "platform/AutoResetEvent.h"

// Wakes the monitor thread between its cycles: set after the setup or alarm dialog changed the
// console, and when the main view goes so that the thread ends at once.
extern CAutoResetEvent g_wakeEvent;
