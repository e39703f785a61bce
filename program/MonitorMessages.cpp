#include "program/MonitorMessages.h"

#include "texts/Env.h"

namespace {

const char* const kTexts[kMonitorMessageCount][kLanguageCount] = {
    {"The records read could not be stored!",
     "Die gelesenen Datensätze konnten nicht gespeichert werden!",
     "De læste poster kunne ikke gemmes!"},
    {"Only %d of the %d records read could be stored!",
     "Nur %d der %d gelesenen Datensätze konnten gespeichert werden!",
     "Kun %d af de %d læste poster kunne gemmes!"},
    {"The history was not read: the data file is busy or cannot be written. The next reading "
     "tries again.",
     "Die Aufzeichnungen wurden nicht gelesen: Die Datendatei ist belegt oder kann nicht "
     "geschrieben werden. Das nächste Auslesen versucht es erneut.",
     "Historikken blev ikke læst: Datafilen er optaget eller kan ikke skrives. Næste aflæsning "
     "prøver igen."},
};

} // namespace

const char* MonitorText(MonitorMessage message) {
    return kTexts[message][g_lang];
}
