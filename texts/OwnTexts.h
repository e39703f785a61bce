#pragma once

#include "texts/Env.h"

#include <cstddef>

// The program's own texts, which the text table has no entry for, looked up as the table's are:
// three UTF-8 texts an entry, in the order English, German, Danish; on screen
// OwnTextTable[entry][g_lang], taken when it is shown (Tr(kOwnText...)).
enum OwnText : std::size_t {
    // The status bar while the link is down.
    kOwnTextNoConsoleFound,
    kOwnTextConsoleRefused, // found, but the user may not open it
    // The status bar when the console is there but its settings could not be read.
    kOwnTextConsoleNotAnswering, // a format: the time of the reading
    // The end of a reading's summary when something went wrong.
    kOwnTextNothingStored,
    kOwnTextPartlyStored, // a format: the records stored, the records read
    kOwnTextLastLineKept, // the torn last line could not be set aside: nothing was downloaded
    kOwnTextRecordsLost,  // a format: the records the console could not give, given up
    // In place of the summary: a format, "Last Read Time" and the time of the reading.
    kOwnTextHistoryIncomplete,
    // The language dialog.
    kOwnTextLanguageNotSaved,
    kOwnTextNotRestarted,
    // The setup and alarm dialogs, when the console's units changed while they were open.
    kOwnTextSettingsChangedMeanwhile,
    // The history dialog.
    kOwnTextDataFileBusy, // a delete or clear found the data file busy or could not do it
    kOwnTextClearMemoryFailed,
    kOwnTextExportFailed,
    kOwnTextCount
};
extern const char* const OwnTextTable[kOwnTextCount][kLanguageCount];

// The current language's text of one entry.
inline const char* Tr(OwnText entry) {
    return OwnTextTable[entry][g_lang];
}
