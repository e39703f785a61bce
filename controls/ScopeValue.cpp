#include "controls/ScopeValue.h"

CScopeValue::CScopeValue(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}
