#include "dialogs/SettingsChangedText.h"

#include "texts/Env.h"

const char* SettingsChangedMeanwhileText() {
    static const char* const kTexts[kLanguageCount] = {
        "The console's settings were changed meanwhile. Nothing was saved; the dialog now "
        "shows the console's settings. Please check your entries and save again.",
        "Die Einstellungen der Wetterstation wurden inzwischen geändert. Es wurde nichts "
        "gespeichert; der Dialog zeigt jetzt die Einstellungen der Wetterstation. Bitte prüfen "
        "Sie Ihre Eingaben und speichern Sie erneut.",
        "Vejrstationens indstillinger er blevet ændret i mellemtiden. Intet blev gemt; "
        "dialogen viser nu vejrstationens indstillinger. Kontrollér dine indtastninger, og gem "
        "igen.",
    };
    return kTexts[g_lang];
}
