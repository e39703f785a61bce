#pragma once

#include <functional>

// Changing the user-interface language: the choice is stored in the configuration file and
// takes effect through a restart, so that every window is built in one language.

// Starts the program anew and lets the running one end its run in its orderly way. False when
// no new program was started; the running one then stays. The application puts its own in
// place while it runs; tests put a recorder.
using RestartHandler = std::function<bool()>;
void SetRestartHandler(RestartHandler handler);

enum class LanguageSwitch {
    kRestarting,   // stored; a new program starts in the language and this one ends its run
    kNotSaved,     // the configuration file could not be written: nothing changed
    kNotRestarted, // stored, but no new program started: this one stays in its language
};

// The name the configuration file stores for language `lang` (0 English, 1 German, 2 Danish).
const char* LanguageName(int lang);

// Stores language `lang` as [config] language and restarts the program in it. On kRestarting
// g_lang and g_langName name the new language; otherwise they are as they were.
LanguageSwitch SaveLanguageAndRestart(int lang);

// What the user is told about a switch that did not restart, in the current language.
const char* LanguageSwitchFailureText(LanguageSwitch result);
