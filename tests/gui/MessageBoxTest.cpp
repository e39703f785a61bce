#include "platform/qt/MessageBox.h"

#include "platform/qt/DesktopLocale.h"

#include <utility>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

TEST(MessageBox, AHookAnswersInsteadOfAPersonAndSeesTheApplicationTitle) {
    MessageBoxRequest seen;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
        seen = request;
        return kIdNo;
    });
    EXPECT_EQ(ShowMessageBox(nullptr, "Do you want save?", "", kMbYesNo | kMbIconQuestion), kIdNo);
    SetMessageBoxHook({});
    EXPECT_EQ(seen.text, "Do you want save?");
    EXPECT_EQ(seen.caption, "Talvorin");
    EXPECT_EQ(seen.style, unsigned(kMbYesNo | kMbIconQuestion));
}

TEST(MessageBox, WithoutAHookTheRealBoxAsksAndReportsTheButtonPressed) {
    QString shownText, shownTitle;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(ShowMessageBox(nullptr, "Löschen?", "Bestätigung", kMbYesNo | kMbIconQuestion),
              kIdYes);
    EXPECT_EQ(shownText, QString::fromUtf8("Löschen?"));
    EXPECT_EQ(shownTitle, QString::fromUtf8("Bestätigung"));
}

// As when the run ends while a box is shown: the box goes without a button pressed.
TEST(MessageBox, ABoxClosedWithoutAButtonAnswersAsItsOkWouldAndAQuestionAsNo) {
    for (const auto& [style, answer] : {std::pair{unsigned(kMbOk), kIdOk},
                                        std::pair{unsigned(kMbYesNo | kMbIconQuestion), kIdNo}}) {
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            box->close();
        });
        EXPECT_EQ(ShowMessageBox(nullptr, "Talvorin", "", style), answer) << style;
    }
}

struct QtButtonTexts {
    int lang;
    const char* yes;
    const char* no;
    const char* ok;
};

TEST(MessageBox, QtsOwnButtonsSpeakTheProgramsLanguage) {
    const QtButtonTexts languages[] = {
        {1, "&Ja", "&Nein", "OK"},
        {2, "&Ja", "&Nej", "OK"},
        {0, "&Yes", "&No", "OK"},
    };
    for (const QtButtonTexts& texts : languages) {
        ASSERT_TRUE(UseQtTextsIn(texts.lang)) << "Qt's catalogue is missing for " << texts.lang;
        const auto question = MakeMessageBox(
            nullptr, {"Do you want save?", "Operation Notify", kMbYesNo | kMbIconQuestion});
        EXPECT_EQ(question->button(QMessageBox::Yes)->text(), QString::fromUtf8(texts.yes));
        EXPECT_EQ(question->button(QMessageBox::No)->text(), QString::fromUtf8(texts.no));
        EXPECT_EQ(question->icon(), QMessageBox::Question);
        const auto message = MakeMessageBox(nullptr, {"Save weather setup data fail!", "Talvorin"});
        EXPECT_EQ(message->button(QMessageBox::Ok)->text(), QString::fromUtf8(texts.ok));
    }
}

} // namespace
