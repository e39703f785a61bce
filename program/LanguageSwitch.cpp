#include "program/LanguageSwitch.h"

#include "program/Config.h"
#include "texts/Env.h"

#include <array>

namespace {

constexpr std::array<const char*, 3> kLanguageNames = {"English", "German", "Danish"};

using Texts = std::array<const char*, 3>; // English, German, Danish

constexpr Texts kNotSavedTexts = {
    "The language could not be saved in Talvorin.ini!",
    "Die Sprache konnte nicht in Talvorin.ini gespeichert werden!",
    "Sproget kunne ikke gemmes i Talvorin.ini!",
};
constexpr Texts kNotRestartedTexts = {
    "The program could not be started again. The new language applies at the next start.",
    "Das Programm konnte nicht neu gestartet werden. Die neue Sprache gilt beim nächsten Start.",
    "Programmet kunne ikke startes igen. Det nye sprog gælder ved næste start.",
};

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
    const Texts& texts = result == LanguageSwitch::kNotSaved ? kNotSavedTexts : kNotRestartedTexts;
    return texts[ValidLanguage(g_lang)];
}
