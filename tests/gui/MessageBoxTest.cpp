#include "platform/qt/MessageBox.h"

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

} // namespace
