#include "app/Config.h"

#include <strings.h>

std::string g_langName;
int g_usbDeviceVid = 0;
int g_usbDevicePid = 0;
std::string g_searchData;
std::string g_testFlag;
std::string g_debugFlag;
std::string g_aboutVersion;
std::string g_aboutCopyright;
std::string g_aboutDescription;
std::string g_aboutUpdateLink;

bool IsSwitchOff(const std::string& text) {
    return strcasecmp(text.c_str(), "false") == 0 || text == "0";
}

bool IsSwitchOn(const std::string& text) {
    return strcasecmp(text.c_str(), "true") == 0 || text == "1";
}
