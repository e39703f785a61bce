#include "platform/qt/PrintDialog.h"

#include <QPrintDialog>

namespace {

PrintDialogHook& Hook() {
    static PrintDialogHook hook;
    return hook;
}

} // namespace

bool ShowPrintDialog(QWidget* parent, QPrinter& printer) {
    if (Hook())
        return Hook()(printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogHook(PrintDialogHook hook) {
    Hook() = std::move(hook);
}
