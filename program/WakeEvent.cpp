#include "program/WakeEvent.h"

CAutoResetEvent g_wakeEvent;
