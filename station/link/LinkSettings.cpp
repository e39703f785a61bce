#include "station/link/LinkSettings.h"

#include <strings.h>

int g_usbDeviceVid = 0;
int g_usbDevicePid = 0;
std::string g_testFlag;

bool IsSwitchOff(const std::string& text) {
    return strcasecmp(text.c_str(), "false") == 0 || text == "0";
}

bool IsSwitchOn(const std::string& text) {
    return strcasecmp(text.c_str(), "true") == 0 || text == "1";
}
