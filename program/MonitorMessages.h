#pragma once

// Sentences the summary of a reading ends with when something went wrong, which the text table
// has no entry for.
enum MonitorMessage {
    kNothingStoredMessage, // no record read could be stored
    kPartlyStoredMessage,  // "%d of the %d": only some of them could be stored
    kLastLineKeptMessage,  // the torn last line could not be set aside: nothing was downloaded
    kMonitorMessageCount
};

// The sentence in the current language; kPartlyStoredMessage is a format for the records stored
// and the records read.
const char* MonitorText(MonitorMessage message);
