#pragma once

#include <optional>
#include <string>

class CDialog;
class QWidget;

// Carries values between a dialog's controls and its members, in one direction per run:
// saving (controls to members, with validation) or loading (members to controls). The first
// failure shows its message, puts the focus on the control with its text selected, and ends
// the run: every later exchange of the same run does nothing.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, bool saveAndValidate)
        : m_saveAndValidate(saveAndValidate), m_dialog(dialog) {}

    const bool m_saveAndValidate;
    bool Failed() const { return m_failed; }
    CDialog& Dialog() const { return m_dialog; }

    // The control of `id`, remembered as the one a following validation speaks of; nullptr
    // when the dialog has none or the run has failed.
    QWidget* PrepareControl(int id);
    // Shows `message`, selects the prepared control and ends the run.
    void Fail(const std::string& message);

    // A text that is no number waits for the range check that follows it, so that the message
    // can name the allowed range; without one, it fails with `message` at the next control or
    // at the end of the run.
    void FailUnlessRangeFollows(const std::string& message) { m_notANumber = message; }
    bool IsNotANumber() const { return m_notANumber.has_value(); }
    // Ends the run: reports a text that was no number and had no range check after it.
    void Finish();

private:
    CDialog& m_dialog;
    QWidget* m_last = nullptr;
    bool m_failed = false;
    std::optional<std::string> m_notANumber;
};

// Edits. Saving reads the whole text as a plain decimal number, under any locale and in every
// language, with a point or a single decimal comma in its place ("12,5" is 12.5; blanks around
// it allowed; no thousands separator, hexadecimal, exponent, "inf" or "nan"); anything else is a
// failure that asks for a whole number or a number (naming the allowed range when a range check
// follows). Loading writes "%d", or "%g" with the type's significant digits (6 for float, 15
// for double), with a point.
void DDX_Text(CDataExchange& dx, int id, int& value);
void DDX_Text(CDataExchange& dx, int id, float& value);
void DDX_Text(CDataExchange& dx, int id, double& value);
void DDX_Text(CDataExchange& dx, int id, std::string& value);
// The text of a number edit as the number texts of the program are written, as DDX_Text reads
// it: without the white space around it, and a decimal comma as the point; anything else stays
// as typed. Every number edit whose text is kept rather than exchanged is read through here, so
// that what the checks below accepted is the number that is converted and stored.
std::string GetNumberText(const CDialog& dialog, int id);
// Check boxes: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange& dx, int id, int& state);
// Drop-downs and list boxes: the selected index, -1 for none.
void DDX_CBIndex(CDataExchange& dx, int id, int& index);

// Range checks of the value just saved from the control before them; they check only when
// saving. The message names the allowed range.
void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum);
void DDV_MinMaxFloat(CDataExchange& dx, double value, double minimum, double maximum);

// Checks of an edit whose text is the value itself, kept as the user typed it: when saving, the
// text must be a whole number, or a number read as a float, within the range, as DDX_Text with
// the range check after it demands. Loading leaves the edit alone; GetNumberText reads the text.
void DDV_WholeNumberText(CDataExchange& dx, int id, int minimum, int maximum);
void DDV_NumberText(CDataExchange& dx, int id, float minimum, float maximum);
