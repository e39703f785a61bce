#include "dialogs/AlarmDlg.h"
#include "dialogs/ScopeDlg.h"
#include "dialogs/SetupDlg.h"
#include "resources/ResourceIds.h"
#include "tests/gui/ConsoleDialogFixture.h"

// What the three console dialogs share: the question before a write, and what they do when the
// console is busy or fails, each with its own button and messages. Each case makes a change
// that its dialog would write.

namespace {

struct SetupCase {
    using Dialog = CSetupDlg;
    static constexpr int kAction = IDC_SAVE;
    static constexpr const char* kRereadFailure = "Read weather setup data fail!";
    static constexpr const char* kWriteFailure = "Save weather setup data fail!";
    static void Choose(CDialog& dialog) {
        ConsoleDialogTest::Pick(dialog, IDC_SETUP_RAIN_UNIT, "inch");
    }
};

struct AlarmCase {
    using Dialog = CAlarmDlg;
    static constexpr int kAction = IDC_SAVE;
    static constexpr const char* kRereadFailure = "Read weather alarm data fail!";
    static constexpr const char* kWriteFailure = "Save weather alarm data fail!";
    static void Choose(CDialog& dialog) {
        ConsoleDialogTest::Type(dialog, IDC_ALARM_RAIN_HOUR, "20.0");
    }
};

struct ScopeCase {
    using Dialog = CScopeDlg;
    static constexpr int kAction = IDC_SCOPE_RESET;
    static constexpr const char* kRereadFailure = "Read weather setup data fail!";
    static constexpr const char* kWriteFailure = "Reset min/max data fail!";
    static void Choose(CDialog& dialog) {
        dialog.CheckDlgButton(IDC_SCOPE_RESET_WIND_SPEED_MAX, 1);
    }
};

using Cases = testing::Types<SetupCase, AlarmCase, ScopeCase>;

template <class Case>
class BusyConsoleTest : public ConsoleDialogTest {
protected:
    typename Case::Dialog dialog;
};
TYPED_TEST_SUITE(BusyConsoleTest, Cases);

TYPED_TEST(BusyConsoleTest, AnsweringNoWritesNothing) {
    this->Open(this->dialog);
    TypeParam::Choose(this->dialog);
    const FixedBlock before = this->ConsoleBlock();
    this->answers.push_back(kIdNo);
    EXPECT_FALSE(this->ClickEndsWithOk(this->dialog, TypeParam::kAction));
    EXPECT_TRUE(this->dialog.isVisible());
    EXPECT_EQ(this->ConsoleBlock(), before);
    ASSERT_EQ(this->boxes.size(), 1u);
    EXPECT_EQ(this->boxes[0].style, kMbYesNo | kMbIconQuestion);
}

TYPED_TEST(BusyConsoleTest, AtOpeningTheDialogCloses) {
    g_weatherComm.m_busy = true;
    EXPECT_FALSE(this->dialog.Create());
    EXPECT_EQ(this->dialog.result(), IDCANCEL);
    EXPECT_EQ(this->Texts(), std::vector<std::string>{"Can't communicate with device!"});
}

TYPED_TEST(BusyConsoleTest, AtTheWriteTheDialogStaysOpenAndWritesNothing) {
    this->Open(this->dialog);
    TypeParam::Choose(this->dialog);
    const FixedBlock before = this->ConsoleBlock();
    g_weatherComm.m_busy = true;
    this->Click(this->dialog, TypeParam::kAction);
    EXPECT_TRUE(this->dialog.isVisible());
    EXPECT_EQ(this->ConsoleBlock(), before);
    EXPECT_EQ(this->Texts().back(), "Can't communicate with device!");
}

template <class Case>
class FailingConsoleTest : public EmulatedConsoleDialogTest {
protected:
    void Open() {
        ConsoleDialogTest::Open(dialog);
        Case::Choose(dialog);
    }
    typename Case::Dialog dialog{nullptr, m_comm};
};
TYPED_TEST_SUITE(FailingConsoleTest, Cases);

TYPED_TEST(FailingConsoleTest, AFailedReadAtOpeningRefusesTheWrite) {
    this->m_emulator.SetAttached(false);
    ASSERT_TRUE(this->dialog.Create());
    EXPECT_EQ(this->Texts(), std::vector<std::string>{"Read weather setup data fail!"});
    EXPECT_FALSE(this->dialog.GetDlgItem(TypeParam::kAction)->isEnabled());
}

TYPED_TEST(FailingConsoleTest, AFailedReadBeforeTheWriteWritesNothing) {
    this->Open();
    this->m_emulator.SetAttached(false);
    this->Click(this->dialog, TypeParam::kAction);
    EXPECT_TRUE(this->dialog.isVisible());
    EXPECT_EQ(this->Texts().back(), TypeParam::kRereadFailure);
    EXPECT_EQ(this->EmulatedBlock(), kSimulatedBlock);
}

TYPED_TEST(FailingConsoleTest, AFailedWriteKeepsTheDialogOpen) {
    this->Open();
    this->m_emulator.FailWrites(8, 1000); // the read's eight commands go through
    this->Click(this->dialog, TypeParam::kAction);
    EXPECT_TRUE(this->dialog.isVisible());
    EXPECT_EQ(this->Texts().back(), TypeParam::kWriteFailure);
}

} // namespace
