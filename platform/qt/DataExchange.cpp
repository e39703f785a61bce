#include "platform/qt/DataExchange.h"

#include "platform/qt/Dialog.h"
#include "store/LineScan.h"
#include "texts/Env.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <system_error>
#include <type_traits>

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

// "%g" with `digits` significant digits, with a point whatever the C library's locale.
std::string NumberText(double value, int digits) {
    char text[64];
    const auto [end, error] =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::general, digits);
    return error == std::errc() ? std::string(text, end) : std::string();
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

// A typed number as the program's number texts are written: without the white space around
// it, and with a point where a desktop in German, Danish and many other languages types a
// decimal comma. Only a lone comma in a text without a point is a decimal comma: "1.013,2" and
// "1,013.2" hold a thousands separator, which no number edit takes, and "1,2,3" two commas; they
// stay as they are, to be refused.
std::string NumberTextOf(std::string_view typed) {
    std::string text(TrimBlanks(typed));
    const std::string::size_type comma = text.find(',');
    if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos &&
        text.find('.') == std::string::npos)
        text[comma] = '.';
    return text;
}

// The whole of a number text as a plain decimal number: an optional sign, digits, and for a
// floating type a point with digits. Read alike under every locale; hexadecimal, exponents,
// "inf" and "nan" are no numbers, nor is a value outside the type's range.
template <class Number>
bool ParsePlainDecimal(std::string_view number, Number& value) {
    const char* first = number.data();
    const char* const last = first + number.size();
    // from_chars takes a minus but no plus.
    if (last - first > 1 && *first == '+' && first[1] != '-')
        ++first;
    Number read{};
    std::from_chars_result result{};
    if constexpr (std::is_integral_v<Number>)
        result = std::from_chars(first, last, read, 10);
    else
        result = std::from_chars(first, last, read, std::chars_format::fixed);
    if (first == last || result.ec != std::errc() || result.ptr != last)
        return false;
    if constexpr (!std::is_integral_v<Number>) {
        // from_chars reads "inf" and "nan" in any format.
        if (!std::isfinite(read))
            return false;
    }
    value = read;
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
    const std::string text = NumberTextOf(EditText(control).toStdString());
    if constexpr (std::is_integral_v<Number>) {
        if (!ParsePlainDecimal(text, value))
            dx.FailUnlessRangeFollows(kValidationTexts[kNotAnInteger][g_lang]);
    } else {
        // Read as a double and then narrowed, as a scan of "%lf" into a float member does.
        double number = 0;
        if (ParsePlainDecimal(text, number))
            value = static_cast<Number>(number);
        else
            dx.FailUnlessRangeFollows(kValidationTexts[kNotANumber][g_lang]);
    }
}

// The number the edit's text stands for, read as DDX_Text reads it, then the range check.
template <class Number>
void CheckNumberText(CDataExchange& dx, int id, Number minimum, Number maximum) {
    if (!dx.m_saveAndValidate)
        return;
    Number value = 0;
    DDX_Text(dx, id, value);
    if constexpr (std::is_integral_v<Number>)
        DDV_MinMaxInt(dx, value, minimum, maximum);
    else
        DDV_MinMaxFloat(dx, value, minimum, maximum);
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

std::string GetNumberText(const CDialog& dialog, int id) {
    return NumberTextOf(dialog.GetDlgItemText(id));
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

void DDV_WholeNumberText(CDataExchange& dx, int id, int minimum, int maximum) {
    CheckNumberText(dx, id, minimum, maximum);
}

void DDV_NumberText(CDataExchange& dx, int id, float minimum, float maximum) {
    CheckNumberText(dx, id, minimum, maximum);
}
