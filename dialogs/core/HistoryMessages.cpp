#include "dialogs/core/HistoryMessages.h"

#include "texts/Env.h"

namespace {

const char* const kTexts[kHistoryMessageCount][kLanguageCount] = {
    {"The data file is busy! Nothing was changed.",
     "Die Datendatei ist belegt! Es wurde nichts geändert.",
     "Datafilen er optaget! Intet blev ændret."},
    {"The memory of the device could not be cleared!",
     "Der Speicher des Geräts konnte nicht gelöscht werden!",
     "Enhedens hukommelse kunne ikke ryddes!"},
    {"The file could not be written!", "Die Datei konnte nicht geschrieben werden!",
     "Filen kunne ikke skrives!"},
};

} // namespace

const char* HistoryText(HistoryMessage message) {
    return kTexts[message][g_lang];
}
