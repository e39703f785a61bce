#include "platform/qt/MessageBox.h"

#include <QMessageBox>

namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(unsigned style) {
    switch (style & 0xF0) {
    case kMbIconError:
        return QMessageBox::Critical;
    case kMbIconQuestion:
        return QMessageBox::Question;
    case kMbIconWarning:
        return QMessageBox::Warning;
    case kMbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const MessageBoxRequest& request) {
    const bool yesNo = (request.style & 0x0F) == kMbYesNo;
    return std::make_unique<QMessageBox>(
        IconOf(request.style), QString::fromStdString(request.caption),
        QString::fromStdString(request.text),
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
}

MessageBoxAnswer ShowMessageBox(QWidget* parent, const std::string& text,
                                const std::string& caption, unsigned style) {
    MessageBoxRequest request{text, caption.empty() ? std::string("Talvorin") : caption, style};
    if (Hook())
        return Hook()(request);

    const bool yesNo = (style & 0x0F) == kMbYesNo;
    switch (MakeMessageBox(parent, request)->exec()) {
    case QMessageBox::Yes:
        return kIdYes;
    case QMessageBox::No:
        return kIdNo;
    default:
        return yesNo ? kIdNo : kIdOk;
    }
}
