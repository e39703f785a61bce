#include "platform/qt/DataExchange.h"

#include "platform/qt/Dialog.h"
#include "texts/Env.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

// The validation messages, in the order English, German, Danish.
enum ValidationText { kNotAnInteger, kNotANumber, kIntegerRange, kNumberRange };
const char* const kValidationTexts[][kLanguageCount] = {
    {"Please enter a whole number.", "Bitte geben Sie eine ganze Zahl ein.",
     "Indtast venligst et helt tal."},
    {"Please enter a number.", "Bitte geben Sie eine Zahl ein.", "Indtast venligst et tal."},
    {"Please enter a whole number from %s to %s.",
     "Bitte geben Sie eine ganze Zahl von %s bis %s ein.",
     "Indtast venligst et helt tal fra %s til %s."},
    {"Please enter a number from %s to %s.", "Bitte geben Sie eine Zahl von %s bis %s ein.",
     "Indtast venligst et tal fra %s til %s."},
};

std::string RangeText(ValidationText text, const std::string& minimum, const std::string& maximum) {
    char message[256];
    std::snprintf(message, sizeof message, kValidationTexts[text][g_lang], minimum.c_str(),
                  maximum.c_str());
    return message;
}

std::string NumberText(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

QString EditText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        return plain->toPlainText();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    return {};
}

void SetEditText(QWidget* control, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(value);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        combo->setEditText(value);
}

bool OnlyBlanksFrom(const char* rest) {
    while (*rest == ' ' || *rest == '\t')
        ++rest;
    return *rest == '\0';
}

// The whole text as an int, as a scan of "%d" with nothing but blanks after it reads it.
bool ParseInt(const std::string& text, int& value) {
    errno = 0;
    char* rest = nullptr;
    const long long number = std::strtoll(text.c_str(), &rest, 10);
    if (rest == text.c_str() || errno == ERANGE || number < INT_MIN || number > INT_MAX ||
        !OnlyBlanksFrom(rest))
        return false;
    value = static_cast<int>(number);
    return true;
}

// The whole text as a finite number in the C library's decimal form.
bool ParseDouble(const std::string& text, double& value) {
    errno = 0;
    char* rest = nullptr;
    const double number = std::strtod(text.c_str(), &rest);
    if (rest == text.c_str() || errno == ERANGE || !std::isfinite(number) || !OnlyBlanksFrom(rest))
        return false;
    value = number;
    return true;
}

template <class Number>
void ExchangeNumber(CDataExchange& dx, int id, Number& value, int digits) {
    QWidget* control = dx.PrepareControl(id);
    if (!control)
        return;
    if (!dx.m_saveAndValidate) {
        SetEditText(control,
                    std::is_integral_v<Number> ? std::to_string(value) : NumberText(value, digits));
        return;
    }
    const std::string text = EditText(control).toStdString();
    if constexpr (std::is_integral_v<Number>) {
        if (!ParseInt(text, value))
            dx.FailUnlessRangeFollows(kValidationTexts[kNotAnInteger][g_lang]);
    } else {
        double number = 0;
        if (ParseDouble(text, number))
            value = static_cast<Number>(number);
        else
            dx.FailUnlessRangeFollows(kValidationTexts[kNotANumber][g_lang]);
    }
}

} // namespace

QWidget* CDataExchange::PrepareControl(int id) {
    Finish();
    if (m_failed)
        return nullptr;
    m_last = m_dialog.GetDlgItem(id);
    if (!m_last)
        qWarning("Dialog %d has no control %d to exchange", m_dialog.TemplateId(), id);
    return m_last;
}

void CDataExchange::Fail(const std::string& message) {
    if (m_failed)
        return;
    m_failed = true;
    m_notANumber.reset();
    m_dialog.MessageBox(message, {}, kMbOk | kMbIconWarning);
    if (!m_last)
        return;
    m_last->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(m_last))
        edit->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(m_last))
        plain->selectAll();
}

void CDataExchange::Finish() {
    if (m_notANumber) {
        const std::string message = *m_notANumber;
        Fail(message);
    }
}

void DDX_Text(CDataExchange& dx, int id, int& value) {
    ExchangeNumber(dx, id, value, 0);
}

void DDX_Text(CDataExchange& dx, int id, float& value) {
    ExchangeNumber(dx, id, value, FLT_DIG);
}

void DDX_Text(CDataExchange& dx, int id, double& value) {
    ExchangeNumber(dx, id, value, DBL_DIG);
}

void DDX_Text(CDataExchange& dx, int id, std::string& value) {
    QWidget* control = dx.PrepareControl(id);
    if (!control)
        return;
    if (dx.m_saveAndValidate)
        value = EditText(control).toStdString();
    else
        SetEditText(control, value);
}

void DDX_Check(CDataExchange& dx, int id, int& state) {
    if (!dx.PrepareControl(id))
        return;
    if (dx.m_saveAndValidate)
        state = dx.Dialog().IsDlgButtonChecked(id);
    else
        dx.Dialog().CheckDlgButton(id, state);
}

void DDX_CBIndex(CDataExchange& dx, int id, int& index) {
    if (!dx.PrepareControl(id))
        return;
    if (dx.m_saveAndValidate)
        index = dx.Dialog().GetCurSel(id);
    else
        dx.Dialog().SetCurSel(id, index);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum) {
    if (!dx.m_saveAndValidate || dx.Failed())
        return;
    if (dx.IsNotANumber() || value < minimum || value > maximum)
        dx.Fail(RangeText(kIntegerRange, std::to_string(minimum), std::to_string(maximum)));
}

void DDV_MinMaxFloat(CDataExchange& dx, double value, double minimum, double maximum) {
    if (!dx.m_saveAndValidate || dx.Failed())
        return;
    if (dx.IsNotANumber() || value < minimum || value > maximum)
        dx.Fail(
            RangeText(kNumberRange, NumberText(minimum, FLT_DIG), NumberText(maximum, FLT_DIG)));
}
