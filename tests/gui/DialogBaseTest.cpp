#include "platform/qt/DataExchange.h"
#include "platform/qt/DesktopLocale.h"
#include "platform/qt/Dialog.h"
#include "tests/core/ScopedNumericLocale.h"
#include "tests/core/ScopedTimeZone.h"
#include "tests/core/ScopedValue.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kTestDialog = 9001;
constexpr int kResizableDialog = 9002;
enum : int {
    kInterval = 1001,
    kPressure = 1002,
    kName = 1003,
    kAlarm = 1004,
    kUnit = 1005,
    kDate = 1006,
    kTime = 1007,
    kApply = 1008,
    kHidden = 1009,
    kOtherAlarm = 1010,
};

// A dialog of the tests' own on the base, counting what reaches its handlers.
class BaseDlg : public CDialog {
public:
    explicit BaseDlg(QWidget* parent = nullptr) : CDialog(kTestDialog, parent) {
        MessageMap<BaseDlg>({
            {Notification::kClicked, kApply, &BaseDlg::OnApply},
            {Notification::kSelChange, kUnit, &BaseDlg::OnUnit},
            {Notification::kKillFocus, kInterval, &BaseDlg::OnLeaveInterval},
            {Notification::kDateTimeChange, kDate, &BaseDlg::OnPicker},
        });
    }

    bool OnInitDialog() override {
        ++initialisations;
        const bool focus = CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(IDCANCEL);
        return focus;
    }

    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, kInterval, m_interval);
        DDV_MinMaxInt(dx, m_interval, 5, 240);
        DDX_Text(dx, kPressure, m_pressure);
        DDV_MinMaxFloat(dx, m_pressure, 500.0f, 1100.0f);
        DDX_Text(dx, kName, m_name);
        DDX_Check(dx, kAlarm, m_alarm);
        DDX_CBIndex(dx, kUnit, m_unit);
    }

    void OnApply() { ++applied; }
    void OnUnit() { ++unitChanges; }
    void OnLeaveInterval() { ++leaves; }
    void OnPicker() { ++pickerChanges; }

    int m_interval = 60;
    float m_pressure = 1013.2f;
    std::string m_name = "home";
    int m_alarm = 1;
    int m_unit = 1;

    int initialisations = 0, applied = 0, unitChanges = 0, leaves = 0, pickerChanges = 0;
    bool endInInit = false;
};

// A text an edit refuses, and the message that says so.
struct RefusedValue {
    int id;
    const char* text;
    const char* message;
};

class DialogBaseTest : public testing::Test {
protected:
    DialogBaseTest() {
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.text);
            return kIdOk;
        });
    }
    ~DialogBaseTest() override { SetMessageBoxHook({}); }

    // Runs `dialog` modally while `act` drives it from the event loop; a dialog still open a
    // while later is cancelled, so that a failing test ends.
    static int RunModal(CDialog& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, &dialog, act);
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-2); });
        return dialog.DoModal();
    }

    static void Activate(QWidget& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        QCoreApplication::processEvents();
    }

    // Types `value` into a new dialog and presses OK: the dialog stays open with one message
    // that names the range, the edit focused and its text selected; `check` looks further.
    template <class Dialog>
    void ExpectRefused(const RefusedValue& value, const std::function<void(Dialog&)>& check) {
        m_messages.clear();
        Dialog dialog;
        dialog.Create();
        Activate(dialog);
        dialog.SetDlgItemText(value.id, value.text);
        dialog.template GetDlgItem<QPushButton>(IDOK)->click();

        EXPECT_TRUE(dialog.isVisible()) << value.text;
        EXPECT_EQ(m_messages, std::vector<std::string>{value.message}) << value.text;
        auto* edit = dialog.template GetDlgItem<QLineEdit>(value.id);
        EXPECT_EQ(dialog.focusWidget(), edit) << value.text;
        EXPECT_EQ(edit->selectedText(), edit->text()) << value.text;
        check(dialog);
    }

    std::vector<std::string> m_messages;
    ScopedValue<int> m_lang{g_lang, 0};
};

// ---- Running ----------------------------------------------------------------------------

TEST_F(DialogBaseTest, OkTakesTheControlsIntoTheMembersAndEndsWithIdOk) {
    BaseDlg dialog;
    const int code = RunModal(dialog, [&] {
        EXPECT_EQ(dialog.GetDlgItemText(kInterval), "60");
        EXPECT_EQ(dialog.GetDlgItemText(kPressure), "1013.2");
        EXPECT_EQ(dialog.GetDlgItemText(kName), "home");
        EXPECT_EQ(dialog.IsDlgButtonChecked(kAlarm), 1);
        EXPECT_EQ(dialog.GetDlgItemText(kUnit), "inHg");
        dialog.SetDlgItemText(kInterval, " 240 ");
        dialog.SetDlgItemText(kPressure, " +1100. ");
        dialog.SetDlgItemText(kName, "garden");
        dialog.CheckDlgButton(kAlarm, 0);
        dialog.SetCurSel(kUnit, 2);
        dialog.GetDlgItem<QPushButton>(IDOK)->click();
    });
    EXPECT_EQ(code, IDOK);
    EXPECT_EQ(dialog.m_interval, 240);
    EXPECT_FLOAT_EQ(dialog.m_pressure, 1100.0f);
    EXPECT_EQ(dialog.m_name, "garden");
    EXPECT_EQ(dialog.m_alarm, 0);
    EXPECT_EQ(dialog.m_unit, 2);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(DialogBaseTest, EscapeTheCancelButtonAndTheCloseBoxEndWithIdCancelAndKeepTheMembers) {
    const std::function<void(BaseDlg&)> ways[] = {
        [](BaseDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](BaseDlg& d) { d.GetDlgItem<QPushButton>(IDCANCEL)->click(); },
        [](BaseDlg& d) { d.close(); },
    };
    for (const auto& way : ways) {
        BaseDlg dialog;
        EXPECT_EQ(RunModal(dialog,
                           [&] {
                               dialog.SetDlgItemText(kInterval, "7");
                               way(dialog);
                           }),
                  IDCANCEL);
        EXPECT_EQ(dialog.m_interval, 60);
    }
}

TEST_F(DialogBaseTest, EnterPressesTheDefaultButtonOnlyAndNeverAHiddenOne) {
    BaseDlg dialog;
    const int code = RunModal(dialog, [&] {
        dialog.GetDlgItem(kName)->setFocus();
        QTest::keyClick(dialog.GetDlgItem(kName), Qt::Key_Return);
        EXPECT_EQ(dialog.applied, 1);
        EXPECT_TRUE(dialog.isVisible()); // OK was not pressed
        dialog.ShowDlgItem(kApply, false);
        QTest::keyClick(&dialog, Qt::Key_Enter);
        EXPECT_EQ(dialog.applied, 1);
        EXPECT_TRUE(dialog.isVisible());
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(code, IDOK);
}

TEST_F(DialogBaseTest, ADialogEndedInItsInitialisationNeverShows) {
    BaseDlg dialog;
    dialog.endInInit = true;
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] { shown = dialog.isVisible(); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    QCoreApplication::processEvents();
    EXPECT_FALSE(shown);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.initialisations, 1);
}

TEST_F(DialogBaseTest, AModelessDialogIsInitialisedOnceHiddenByCancelAndShownAgain) {
    BaseDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_FALSE(dialog.IsModal());
    dialog.show();
    dialog.SetDlgItemText(kName, "typed");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Create());
    dialog.show();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.GetDlgItemText(kName), "typed");
    EXPECT_EQ(dialog.initialisations, 1);
}

TEST_F(DialogBaseTest, AMissingTemplateGivesMinusOneAndNoDialog) {
    CDialog dialog(31999, nullptr);
    EXPECT_FALSE(dialog.IsBuilt());
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create());
}

// ---- Data exchange and validation ---------------------------------------------------------

TEST_F(DialogBaseTest, AValueOutOfRangeOrNoNumberIsRefusedNamingTheRangeWithTheEditSelected) {
    const RefusedValue refused[] = {
        {kInterval, "4", "Please enter a whole number from 5 to 240."},
        {kInterval, "241", "Please enter a whole number from 5 to 240."},
        {kInterval, "12abc", "Please enter a whole number from 5 to 240."},
        {kInterval, "", "Please enter a whole number from 5 to 240."},
        {kInterval, "99999999999", "Please enter a whole number from 5 to 240."},
        {kPressure, "---", "Please enter a number from 500 to 1100."},
        {kPressure, "499.9", "Please enter a number from 500 to 1100."},
        {kPressure, "inf", "Please enter a number from 500 to 1100."},
        {kPressure, "nan", "Please enter a number from 500 to 1100."},
        // Plain decimals only: these would read as 1000 and 1012 elsewhere, and a thousands
        // separator or a second separator as 1000.5 or 600.5.
        {kPressure, "1e3", "Please enter a number from 500 to 1100."},
        {kPressure, "0x3F4", "Please enter a number from 500 to 1100."},
        {kPressure, "+-600", "Please enter a number from 500 to 1100."},
        {kPressure, "1.000,5", "Please enter a number from 500 to 1100."},
        {kPressure, "1,000.5", "Please enter a number from 500 to 1100."},
        {kPressure, "600,5,0", "Please enter a number from 500 to 1100."},
        {kPressure, "600.5,0", "Please enter a number from 500 to 1100."},
        {kPressure, ",", "Please enter a number from 500 to 1100."},
        {kInterval, "0x10", "Please enter a whole number from 5 to 240."},
        {kInterval, "1e1", "Please enter a whole number from 5 to 240."},
        {kInterval, "10,0", "Please enter a whole number from 5 to 240."},
        {kInterval, "1,000", "Please enter a whole number from 5 to 240."},
    };
    for (const RefusedValue& value : refused) {
        ExpectRefused<BaseDlg>(value, [](BaseDlg& dialog) {
            EXPECT_EQ(dialog.m_name, "home") << "nothing after the failure is taken";
        });
    }
}

// A dialog whose edits keep their texts as typed and are only checked.
class TextCheckDlg : public CDialog {
public:
    TextCheckDlg() : CDialog(kTestDialog, nullptr) {}

    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(kInterval, "010");
        SetDlgItemText(kPressure, " 1013.25");
        return true;
    }

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDV_WholeNumberText(dx, kInterval, 5, 240);
        DDV_NumberText(dx, kPressure, 500.0f, 1100.0f);
    }
};

TEST_F(DialogBaseTest, TheTextChecksRefuseWhatTheNumberExchangeRefusesAndKeepTheTextsAsTyped) {
    const RefusedValue refused[] = {
        {kInterval, "241", "Please enter a whole number from 5 to 240."},
        {kInterval, "12abc", "Please enter a whole number from 5 to 240."},
        {kInterval, "", "Please enter a whole number from 5 to 240."},
        {kPressure, "499.9", "Please enter a number from 500 to 1100."},
        {kPressure, "1.013,2", "Please enter a number from 500 to 1100."},
        {kPressure, "nan", "Please enter a number from 500 to 1100."},
    };
    for (const RefusedValue& value : refused)
        ExpectRefused<TextCheckDlg>(value, [](TextCheckDlg&) {});

    m_messages.clear();
    TextCheckDlg dialog;
    dialog.Create();
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_TRUE(dialog.UpdateData(false));
    EXPECT_TRUE(m_messages.empty());
    // Neither direction rewrites a text: the console's own number texts stay as they are.
    EXPECT_EQ(dialog.GetDlgItemText(kInterval), "010");
    EXPECT_EQ(dialog.GetDlgItemText(kPressure), " 1013.25");

    // A decimal comma passes the check, stays as typed and is read with the point, without the
    // blanks around it; a text the check refuses is read as it is.
    for (const auto& [typed, read] : {std::pair{"1013,25", "1013.25"},
                                      {" 600,", "600."},
                                      {"1013.25", "1013.25"},
                                      {"1.013,2", "1.013,2"}}) {
        dialog.SetDlgItemText(kPressure, typed);
        EXPECT_EQ(GetNumberText(dialog, kPressure), read) << typed;
        EXPECT_EQ(dialog.GetDlgItemText(kPressure), typed);
    }
    dialog.SetDlgItemText(kPressure, "1013,25");
    EXPECT_TRUE(dialog.UpdateData(true));
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(DialogBaseTest, TheLimitsThemselvesAreAccepted) {
    BaseDlg dialog;
    dialog.Create();
    for (const auto& [interval, pressure] : {std::pair{"5", "500"}, {"240", "1100.0"}}) {
        dialog.SetDlgItemText(kInterval, interval);
        dialog.SetDlgItemText(kPressure, pressure);
        EXPECT_TRUE(dialog.UpdateData(true)) << interval;
    }
    EXPECT_TRUE(m_messages.empty());
}

// The C library of a German desktop writes and reads numbers with a comma; the dialogs show
// them with a point all the same and take a point or a decimal comma, and the program puts the
// point back for the rest.
TEST_F(DialogBaseTest, NumbersKeepTheirPointUnderADesktopWithADecimalComma) {
    {
        const ScopedNumericLocale german(kCommaLocale);
        ASSERT_TRUE(german.IsSet()) << kCommaLocale << " is not installed";
        BaseDlg dialog;
        dialog.Create();
        EXPECT_EQ(dialog.GetDlgItemText(kPressure), "1013.2");
        for (const auto& [typed, value] : {std::pair{"1000.5", 1000.5f},
                                           {" +600, ", 600.0f},
                                           {"1100,0", 1100.0f},
                                           {"1000,5", 1000.5f}}) {
            dialog.SetDlgItemText(kPressure, typed);
            EXPECT_TRUE(dialog.UpdateData(true)) << typed;
            EXPECT_FLOAT_EQ(dialog.m_pressure, value) << typed;
        }
        EXPECT_TRUE(dialog.UpdateData(false));
        EXPECT_EQ(dialog.GetDlgItemText(kPressure), "1000.5");
        EXPECT_TRUE(m_messages.empty());

        KeepNumbersWithAPoint();
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1013.25);
        EXPECT_STREQ(text, "1013.2");
        EXPECT_DOUBLE_EQ(std::atof("1013.2"), 1013.2);
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    }
}

TEST_F(DialogBaseTest, ValidationMessagesComeInTheCurrentLanguage) {
    const char* const expected[] = {"Please enter a whole number from 5 to 240.",
                                    "Bitte geben Sie eine ganze Zahl von 5 bis 240 ein.",
                                    "Indtast venligst et helt tal fra 5 til 240."};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        m_messages.clear();
        BaseDlg dialog;
        dialog.Create();
        dialog.SetDlgItemText(kInterval, "1");
        EXPECT_FALSE(dialog.UpdateData(true));
        EXPECT_EQ(m_messages, std::vector<std::string>{expected[lang]});
    }
}

// ---- Notifications ------------------------------------------------------------------------

TEST_F(DialogBaseTest, SelectionAndPickerChangesNotifyOnlyWhenTheUserMakesThem) {
    BaseDlg dialog;
    dialog.Create();
    Activate(dialog);
    dialog.SetCurSel(kUnit, 0);
    dialog.SetPickerTime(kDate, 1700000000);
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.unitChanges, 0);
    EXPECT_EQ(dialog.pickerChanges, 0);

    dialog.GetDlgItem(kUnit)->setFocus();
    QTest::keyClick(dialog.GetDlgItem(kUnit), Qt::Key_Down);
    EXPECT_EQ(dialog.GetCurSel(kUnit), 2);
    EXPECT_EQ(dialog.unitChanges, 1);

    auto* date = dialog.GetDlgItem<QDateTimeEdit>(kDate);
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Up);
    EXPECT_EQ(dialog.pickerChanges, 1);
}

TEST_F(DialogBaseTest, AnEditsLossOfFocusNotifiesEveryTimeAndItsModifiedFlagStays) {
    BaseDlg dialog;
    dialog.Create();
    Activate(dialog);
    auto* interval = dialog.GetDlgItem<QLineEdit>(kInterval);
    for (int i = 0; i < 2; ++i) {
        interval->setFocus();
        dialog.GetDlgItem(kName)->setFocus();
    }
    EXPECT_EQ(dialog.leaves, 2);
    EXPECT_FALSE(dialog.IsEditModified(kInterval));

    interval->setFocus();
    QTest::keyClicks(interval, "5");
    dialog.SetDlgItemText(kInterval, "60");
    dialog.UpdateData(false);
    EXPECT_TRUE(dialog.IsEditModified(kInterval));
    EXPECT_FALSE(dialog.IsEditModified(kName));
}

TEST_F(DialogBaseTest, CheckAllBoxesSetsEveryCheckBoxAndNoButton) {
    BaseDlg dialog;
    dialog.Create();
    dialog.CheckAllBoxes(1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kAlarm), 1);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOtherAlarm), 1);
    dialog.CheckAllBoxes(0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kAlarm), 0);
    EXPECT_EQ(dialog.IsDlgButtonChecked(kOtherAlarm), 0);
    EXPECT_EQ(dialog.applied, 0);
}

// ---- Window styles and the anchoring layout -------------------------------------------------

TEST_F(DialogBaseTest, TheTemplatesStylesDecideTheFrameAndTheControlsState) {
    BaseDlg fixed;
    EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());
    EXPECT_FALSE(fixed.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(fixed.GetDlgItem(kHidden)->isHidden());
    EXPECT_FALSE(fixed.GetDlgItem(kHidden)->isEnabled());

    CDialog resizable(kResizableDialog, nullptr);
    EXPECT_NE(resizable.minimumSize(), resizable.maximumSize());
    EXPECT_TRUE(resizable.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(resizable.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(resizable.windowTitle(), "Log");
}

class AnchoredDlg : public CDialog {
public:
    AnchoredDlg() : CDialog(kResizableDialog, nullptr) {}
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        AnchorControls({{1025, kAnchorGrow}, {1022, kAnchorRight}, {IDCANCEL, kAnchorRight}});
        return true;
    }
};

TEST_F(DialogBaseTest, AnchoredControlsFollowTheEdgesAndTheDialogKeepsItsFirstSizeAsMinimum) {
    AnchoredDlg dialog;
    dialog.Create();
    dialog.show();
    const QSize first = dialog.size();
    const QRect log = dialog.GetDlgItem(1025)->geometry();
    const QRect clear = dialog.GetDlgItem(1022)->geometry();

    dialog.resize(first + QSize(100, 50));
    EXPECT_EQ(dialog.GetDlgItem(1025)->geometry(), log.adjusted(0, 0, 100, 50));
    EXPECT_EQ(dialog.GetDlgItem(1022)->geometry(), clear.translated(100, 0));
    EXPECT_EQ(dialog.minimumSize(), first);

    dialog.resize(first);
    EXPECT_EQ(dialog.GetDlgItem(1025)->geometry(), log);
    EXPECT_EQ(dialog.GetDlgItem(1022)->geometry(), clear);
}

} // namespace
