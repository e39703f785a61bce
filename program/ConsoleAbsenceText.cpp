#include "program/ConsoleAbsenceText.h"

#include "texts/Env.h"

namespace {

// In language order, as the text table.
const char* const kNotFoundTexts[kLanguageCount] = {
    "No console found: connect the weather station's console to a USB port.",
    "Keine Wetterstation gefunden: Schließen Sie die Wetterstation an einen USB-Anschluss an.",
    "Ingen vejrstation fundet: Slut vejrstationen til en USB-port.",
};

const char* const kRefusedTexts[kLanguageCount] = {
    "A console was found but cannot be opened: install the udev rule 70-talvorin.rules "
    "(README, \"Use a real console\"), then plug the console in again.",
    "Eine Wetterstation wurde gefunden, kann aber nicht geöffnet werden: Installieren Sie die "
    "udev-Regel 70-talvorin.rules (README, \"Use a real console\") und stecken Sie die "
    "Wetterstation erneut ein.",
    "Der er fundet en vejrstation, men den kan ikke åbnes: Installér udev-reglen "
    "70-talvorin.rules (README, \"Use a real console\"), og sæt vejrstationen i igen.",
};

} // namespace

const char* ConsoleAbsenceText(ConsoleAbsence absence) {
    switch (absence) {
    case ConsoleAbsence::kNotFound:
        return kNotFoundTexts[g_lang];
    case ConsoleAbsence::kRefused:
        return kRefusedTexts[g_lang];
    case ConsoleAbsence::kNone:
        break;
    }
    return nullptr;
}
