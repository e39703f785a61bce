#include "app/core/Config.h"

#include "platform/Profile.h"
#include "platform/SystemUtils.h"
#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "texts/Env.h"

#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

std::string g_langName;
std::string g_searchData;
std::string g_testFlag;
std::string g_debugFlag;
int g_usbDeviceVid = 0;
int g_usbDevicePid = 0;
std::string g_aboutVersion;
std::string g_aboutCopyright;
std::string g_aboutDescription;
std::string g_aboutUpdateLink;

namespace {

// Where the configuration was read from, so that the language choice goes to the same file.
std::string g_iniPath;

constexpr const char* kAboutFileName = "AboutPellamar.ini";
constexpr int kDefaultVid = 0x1941;
constexpr int kDefaultPid = 0x8021;

struct TextSetting {
    const char* section;
    const char* key;
    std::size_t maxChars;
    const char* defaultValue;
    bool emptyTakesDefault; // a key present with an empty value reads as the default
    std::string* global;
};

const TextSetting kLanguageSetting{"config", "language", 19, "English", true, &g_langName};

const TextSetting kSwitchSettings[] = {
    {"communication", "SearchData", 9, "true", true, &g_searchData},
    {"communication", "TestFlag", 9, "false", true, &g_testFlag},
    {"communication", "DebugFlag", 9, "false", true, &g_debugFlag},
};

// In this order they are imported from the about file. An empty update address hides the
// About box's link, so an empty description or address stays empty.
const TextSetting kAboutSettings[] = {
    {"about", "version", 49, "Talvorin Version 1.0", true, &g_aboutVersion},
    {"about", "copyright", 49, "Copyright (C) Talvorin", true, &g_aboutCopyright},
    {"about", "description", 49, "Software Update:", false, &g_aboutDescription},
    {"about", "softupdate", 49, "https://www.talvorin.example/update", false, &g_aboutUpdateLink},
};

std::string ReadSetting(const std::string& path, const TextSetting& setting) {
    std::string text = ReadProfileString(path, setting.section, setting.key, setting.defaultValue,
                                         setting.maxChars);
    return text.empty() && setting.emptyTakesDefault ? setting.defaultValue : text;
}

// Only the first three letters count, ignoring case, so "Deutsch" and "dansk" work as well as
// the English names; anything unknown is English.
int LanguageFromName(const std::string& name) {
    static constexpr struct {
        const char* prefix;
        int lang;
    } kPrefixes[] = {{"Ger", 1}, {"DEU", 1}, {"Dan", 2}};
    for (const auto& [prefix, lang] : kPrefixes)
        if (strncasecmp(name.c_str(), prefix, 3) == 0)
            return lang;
    return 0;
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Moves the About texts of the one-shot file into the configuration file. The one-shot file
// goes only once everything is stored, so that texts the configuration file could not take
// are imported again at the next start instead of being lost.
void ImportAboutFile(const std::string& aboutPath, const std::string& iniPath) {
    bool stored = true;
    for (const TextSetting& setting : kAboutSettings) {
        *setting.global = ReadSetting(aboutPath, setting);
        stored =
            WriteProfileString(iniPath, setting.section, setting.key, *setting.global) && stored;
    }
    if (stored)
        unlink(aboutPath.c_str());
}

} // namespace

void LoadIniSettingsFrom(const std::string& folder) {
    const std::string prefix = folder.empty() || folder.ends_with('/') ? folder : folder + '/';
    const std::string iniPath = prefix + kIniFileName;
    g_iniPath = iniPath;

    g_langName = ReadSetting(iniPath, kLanguageSetting);
    g_lang = LanguageFromName(g_langName);
    g_usbDeviceVid = ReadProfileInt(iniPath, "communication", "UsbDeviceVid", kDefaultVid);
    g_usbDevicePid = ReadProfileInt(iniPath, "communication", "UsbDevicePid", kDefaultPid);
    for (const TextSetting& setting : kSwitchSettings)
        *setting.global = ReadSetting(iniPath, setting);

    const std::string aboutPath = prefix + kAboutFileName;
    if (IsRegularFile(aboutPath)) {
        ImportAboutFile(aboutPath, iniPath);
        return;
    }
    for (const TextSetting& setting : kAboutSettings)
        *setting.global = ReadSetting(iniPath, setting);
}

bool IsSwitchOff(const std::string& text) {
    return strcasecmp(text.c_str(), "false") == 0 || text == "0";
}

bool IsSwitchOn(const std::string& text) {
    return strcasecmp(text.c_str(), "true") == 0 || text == "1";
}

void SetUpConsoleLink(CWeatherComm& comm) {
    std::unique_ptr<CConsoleLink> link;
    if (IsTestMode())
        link = std::make_unique<CSimulatedLink>();
    else
        link = std::make_unique<CUsbDevice>();
    comm.SetUp(std::move(link), {g_usbDeviceVid, g_usbDevicePid});
}

void LoadIniSettings() {
    LoadIniSettingsFrom(GetModuleDir());
}

std::string IniFilePath() {
    return g_iniPath.empty() ? GetModuleDir() + kIniFileName : g_iniPath;
}

bool SaveLanguageSetting(const std::string& name) {
    return WriteProfileString(IniFilePath(), kLanguageSetting.section, kLanguageSetting.key, name);
}
