#pragma once

#include "texts/TextEntries.h"

class CDialog;

// Asks the user `question` with Yes and No under the caption "Operation Notify" (the entry
// `caption`); true when the answer is Yes.
bool ConfirmOperation(CDialog& dialog, TextEntry question,
                      TextEntry caption = kTextOperationNotify);
