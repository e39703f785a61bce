#include "app/WakeEvent.h"

CAutoResetEvent g_wakeEvent;
