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

MessageBoxAnswer ShowMessageBox(QWidget* parent, const std::string& text,
                                const std::string& caption, unsigned style) {
    MessageBoxRequest request{text, caption.empty() ? std::string("Talvorin") : caption, style};
    if (Hook())
        return Hook()(request);

    const bool yesNo = (style & 0x0F) == kMbYesNo;
    QMessageBox box(IconOf(style), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return kIdYes;
    case QMessageBox::No:
        return kIdNo;
    default:
        return yesNo ? kIdNo : kIdOk;
    }
}
