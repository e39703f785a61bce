#include "app/core/WakeEvent.h"

CAutoResetEvent g_wakeEvent;
