#include "controls/ScopeValue.h"

CScopeValue::CScopeValue(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void CScopeValue::SetWindowText(const std::string& text) {
    setText(QString::fromStdString(text));
}
