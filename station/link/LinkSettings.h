#pragma once

#include <string>

// What the console link takes from the configuration: the console's USB ids and the test switch
// that puts the simulated console in the real one's place. Start-up hands them over from the
// configuration file before any thread exists; afterwards both threads only read them.
extern int g_usbDeviceVid;
extern int g_usbDevicePid;
extern std::string g_testFlag;

// "SearchData" is off only when it reads "false" in any case, or exactly "0".
bool IsSwitchOff(const std::string& text);
// "TestFlag" and "DebugFlag" are on only when they read "true" in any case, or exactly "1".
bool IsSwitchOn(const std::string& text);

inline bool IsTestMode() {
    return IsSwitchOn(g_testFlag);
}
