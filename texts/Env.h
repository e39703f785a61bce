#pragma once

#include <cstddef>

// The program's vocabulary: 176 entries of three UTF-8 texts, in the order English, German,
// Danish. A text on screen is TextTable[entry][g_lang], taken when it is shown.
inline constexpr std::size_t kTextCount = 176;
inline constexpr int kLanguageCount = 3;
extern const char* const TextTable[kTextCount][kLanguageCount];

// The language index: 0 English, 1 German, 2 Danish. Set once at start-up from the
// configuration file, and by the language dialog just before the program restarts.
extern int g_lang;

// The current language's text of one entry.
inline const char* Tr(std::size_t entry) {
    return TextTable[entry][g_lang];
}

// Windows laid out in resources exist once per language; each row gives the three resource
// ids, in language order.
enum ResourceRow {
    kDocumentTemplateRow, // menu, accelerator table and icon of the main frame
    kScopeDialogRow,
    kAlarmDialogRow,
    kGraphDialogRow,
    kGridExportDialogRow,
    kHistoryDialogRow,
    kSetupDialogRow,
    kMainFormRow,
    kResourceRowCount
};
extern const unsigned ResourceIdTable[kResourceRowCount][kLanguageCount];

// The current language's resource id of one row.
inline unsigned ResourceId(ResourceRow row) {
    return ResourceIdTable[row][g_lang];
}
