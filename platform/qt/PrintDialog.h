#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Every print dialog of the program goes through here: the user picks and sets up `printer`.
// True to print, false when the user cancelled.
bool ShowPrintDialog(QWidget* parent, QPrinter& printer);

// Tests answer the print dialog instead of a person: while a hook is set it receives the
// printer to set up (a PDF file, say) and its answer is returned without showing anything. An
// empty function removes the hook.
using PrintDialogHook = std::function<bool(QPrinter& printer)>;
void SetPrintDialogHook(PrintDialogHook hook);
