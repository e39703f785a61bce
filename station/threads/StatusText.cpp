#include "station/threads/StatusText.h"

char g_statusText[kStatusTextSize];

int SetStatusText(IStatusTextTarget* target, const char* text) {
    if (!target || !target->IsWindow())
        return 0;
    return target->OnStatusText(text);
}
