#include "texts/OwnTexts.h"

const char* const OwnTextTable[kOwnTextCount][kLanguageCount] = {
    {"No console found: connect the weather station's console to a USB port.",
     "Keine Wetterstation gefunden: Schließen Sie die Wetterstation an einen USB-Anschluss an.",
     "Ingen vejrstation fundet: Slut vejrstationen til en USB-port."},
    {"A console was found but cannot be opened: install the udev rule 70-talvorin.rules "
     "(README, \"Use a real console\"), then plug the console in again.",
     "Eine Wetterstation wurde gefunden, kann aber nicht geöffnet werden: Installieren Sie die "
     "udev-Regel 70-talvorin.rules (README, \"Use a real console\") und stecken Sie die "
     "Wetterstation erneut ein.",
     "Der er fundet en vejrstation, men den kan ikke åbnes: Installér udev-reglen "
     "70-talvorin.rules (README, \"Use a real console\"), og sæt vejrstationen i igen."},
    {"The console did not answer (%s); its settings could not be read. The values shown are "
     "those of the last successful reading; the next reading tries again.",
     "Die Wetterstation hat nicht geantwortet (%s); ihre Einstellungen konnten nicht gelesen "
     "werden. Die angezeigten Werte stammen vom letzten erfolgreichen Auslesen; das nächste "
     "Auslesen versucht es erneut.",
     "Vejrstationen svarede ikke (%s); dens indstillinger kunne ikke læses. De viste værdier er "
     "fra den seneste vellykkede aflæsning; næste aflæsning prøver igen."},
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
    {"Records that could not be read from the console even after several attempts are missing: "
     "%d.",
     "Datensätze, die auch nach mehreren Leseversuchen nicht von der Wetterstation gelesen "
     "werden konnten, fehlen: %d.",
     "Poster, som ikke kunne læses fra vejrstationen selv efter flere læseforsøg, mangler: %d."},
    {"%s: %s. The console's history could not be read completely, so none of it was stored. The "
     "next reading reads it again.",
     "%s: %s. Die Aufzeichnungen der Wetterstation konnten nicht vollständig gelesen werden, "
     "daher wurde nichts davon gespeichert. Das nächste Auslesen liest sie erneut.",
     "%s: %s. Vejrstationens historik kunne ikke læses fuldstændigt, så intet af den blev gemt. "
     "Næste aflæsning læser den igen."},
    {"The language could not be saved in Talvorin.ini!",
     "Die Sprache konnte nicht in Talvorin.ini gespeichert werden!",
     "Sproget kunne ikke gemmes i Talvorin.ini!"},
    {"The program could not be started again. The new language applies at the next start.",
     "Das Programm konnte nicht neu gestartet werden. Die neue Sprache gilt beim nächsten Start.",
     "Programmet kunne ikke startes igen. Det nye sprog gælder ved næste start."},
    {"The console's settings were changed meanwhile. Nothing was saved; the dialog now shows the "
     "console's settings. Please check your entries and save again.",
     "Die Einstellungen der Wetterstation wurden inzwischen geändert. Es wurde nichts "
     "gespeichert; der Dialog zeigt jetzt die Einstellungen der Wetterstation. Bitte prüfen Sie "
     "Ihre Eingaben und speichern Sie erneut.",
     "Vejrstationens indstillinger er blevet ændret i mellemtiden. Intet blev gemt; dialogen "
     "viser nu vejrstationens indstillinger. Kontrollér dine indtastninger, og gem igen."},
    {"The data file is busy or cannot be written! Nothing was changed.",
     "Die Datendatei ist belegt oder kann nicht geschrieben werden! Es wurde nichts geändert.",
     "Datafilen er optaget eller kan ikke skrives! Intet blev ændret."},
    {"The memory of the device could not be cleared!",
     "Der Speicher des Geräts konnte nicht gelöscht werden!",
     "Enhedens hukommelse kunne ikke ryddes!"},
    {"The file could not be written!", "Die Datei konnte nicht geschrieben werden!",
     "Filen kunne ikke skrives!"},
};
