#include "platform/qt/DesktopLocale.h"

#include <gtest/gtest.h>

#include <QApplication>

// GUI tests share one application object; they run headless on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    KeepNumbersWithAPoint();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
