#pragma once

#include <string>

class CWeatherComm;

// Configuration globals, filled once by LoadIniSettings at start-up before any window or
// thread exists, and only read afterwards (by both threads, without a lock). The console link
// does not read them: SetUpConsoleLink hands it what it needs.
extern std::string g_langName;
extern std::string g_searchData;
extern std::string g_testFlag;
extern std::string g_debugFlag;
extern int g_usbDeviceVid;
extern int g_usbDevicePid;
extern std::string g_aboutVersion;
extern std::string g_aboutCopyright;
extern std::string g_aboutDescription;
extern std::string g_aboutUpdateLink;

// "SearchData" is off only when it reads "false" in any case, or exactly "0".
bool IsSwitchOff(const std::string& text);
// "TestFlag" and "DebugFlag" are on only when they read "true" in any case, or exactly "1".
bool IsSwitchOn(const std::string& text);

inline bool IsSearchDataOn() {
    return !IsSwitchOff(g_searchData);
}
inline bool IsDebugMenuOn() {
    return IsSwitchOn(g_debugFlag);
}
inline bool IsTestMode() {
    return IsSwitchOn(g_testFlag);
}

// Gives `comm` the link the configuration asks for: the simulated console under the test
// switch, else the USB console, with the configured USB ids.
void SetUpConsoleLink(CWeatherComm& comm);

// The configuration file, in the program folder.
inline constexpr const char* kIniFileName = "Talvorin.ini";

// Reads "Talvorin.ini" from `folder` into the globals above and sets g_lang; imports the
// one-shot about file of that folder when it is there. Missing keys take their defaults;
// reading never creates the file.
void LoadIniSettingsFrom(const std::string& folder);

// LoadIniSettingsFrom the program folder.
void LoadIniSettings();

// The configuration file the settings were last read from; until then the program folder's.
std::string IniFilePath();

// Writes `name` as [config] language into IniFilePath(). False when the file could not be
// written; it is then as it was.
bool SaveLanguageSetting(const std::string& name);
