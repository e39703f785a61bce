#include "dialogs/OperationQuestion.h"

#include "platform/qt/Dialog.h"
#include "texts/Env.h"

bool ConfirmOperation(CDialog& dialog, TextEntry question, TextEntry caption) {
    return dialog.MessageBox(Tr(question), Tr(caption), kMbYesNo | kMbIconQuestion) == kIdYes;
}
