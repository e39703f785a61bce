#pragma once

#include <functional>
#include <memory>
#include <string>

class QMessageBox;
class QWidget;

// Buttons and icon of a message box, combined with |.
enum MessageBoxStyle : unsigned {
    kMbOk = 0x00,
    kMbYesNo = 0x04,
    kMbIconError = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconWarning = 0x30,
    kMbIconInformation = 0x40,
};

// The button that closed a message box.
enum MessageBoxAnswer { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

struct MessageBoxRequest {
    std::string text;
    std::string caption; // the application title when the caller gives none
    unsigned style = kMbOk;
};

// Every modal question or message of the program goes through here. An empty caption shows the
// application title "Talvorin". Runs on the user-interface thread. A box closed otherwise than by
// a button, as by the end of the run, answers as its OK would, a Yes/No box as No.
MessageBoxAnswer ShowMessageBox(QWidget* parent, const std::string& text,
                                const std::string& caption = {}, unsigned style = kMbOk);

// The box ShowMessageBox runs for `request` (its caption given), made but not run.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageBoxRequest& request);

// Tests answer the boxes instead of a person: while a hook is set, it receives each request and
// its answer is returned without showing anything. An empty function removes the hook.
using MessageBoxHook = std::function<MessageBoxAnswer(const MessageBoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);
