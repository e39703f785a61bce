#pragma once

// Messages of the history dialog that the text table has no entry for.
enum HistoryMessage {
    kDataFileBusyMessage,      // a delete or clear found the data file busy or could not do it
    kClearMemoryFailedMessage, // the console's history count could not be written
    kExportFailedMessage,      // the CSV file could not be written
    kHistoryMessageCount
};

// The message in the current language.
const char* HistoryText(HistoryMessage message);
