#pragma once

// The program under a desktop of any language: numbers keep their point, Qt's own texts follow
// the program's language.

// Puts the C library's number format back to "C". Making the application object takes the
// desktop's locale for every category, and under a German or Danish one the C library would
// read and write numbers with a decimal comma. Call it right after the application object is
// made.
void KeepNumbersWithAPoint();

// Qt's own texts (the buttons of message boxes, the file dialog and its questions) in language
// `lang` (0 English, 1 German, 2 Danish), from the system's Qt translations; English removes
// them again. False when the language's catalogue is not installed: Qt's texts stay English.
bool UseQtTextsIn(int lang);
