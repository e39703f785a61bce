// The program's control module, "Talvorin.ocx": registering it makes the charting control
// known under its ProgID.

#include "platform/ComRegistry.h"
#include "platform/ocx/ChartControl.h"

extern "C" __attribute__((visibility("default"))) HResult DllRegisterServer() {
    return RegisterProgId(kChartControlProgId, kChartControlClassId) ? kRegistrationOk
                                                                     : kRegistrationFailed;
}
