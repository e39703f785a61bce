#include "app/core/LanguageSwitch.h"

#include "app/core/Config.h"
#include "texts/OwnTexts.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kLanguageNames = {"English", "German", "Danish"};

RestartHandler& Handler() {
    static RestartHandler handler;
    return handler;
}

int ValidLanguage(int lang) {
    return lang >= 0 && lang < static_cast<int>(kLanguageNames.size()) ? lang : 0;
}

} // namespace

void SetRestartHandler(RestartHandler handler) {
    Handler() = std::move(handler);
}

const char* LanguageName(int lang) {
    return kLanguageNames[ValidLanguage(lang)];
}

LanguageSwitch SaveLanguageAndRestart(int lang) {
    lang = ValidLanguage(lang);
    if (!SaveLanguageSetting(kLanguageNames[lang]))
        return LanguageSwitch::kNotSaved;
    if (!Handler() || !Handler()())
        return LanguageSwitch::kNotRestarted;
    g_langName = kLanguageNames[lang];
    g_lang = lang;
    return LanguageSwitch::kRestarting;
}

const char* LanguageSwitchFailureText(LanguageSwitch result) {
    return Tr(result == LanguageSwitch::kNotSaved ? kOwnTextLanguageNotSaved
                                                  : kOwnTextNotRestarted);
}
