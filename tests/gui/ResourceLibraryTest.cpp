#include "platform/qt/ResourceLibrary.h"

#include "resources/ResourceIds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>

namespace {

const QColor kTransparent(236, 233, 216);

TEST(ResourceLibrary, EveryPictureIsThereInItsSize) {
    const std::pair<int, QSize> bitmaps[] = {
        {IDB_TOOLBAR, {6 * 19, 18}},   {IDB_LINK_DOWN, {44, 18}},  {IDB_LINK_UP, {44, 18}},
        {IDB_BELL_BLINK, {20, 20}},    {IDB_BELL_ALARM, {20, 20}}, {IDB_BELL_ENABLED, {20, 20}},
        {IDB_BELL_DISABLED, {20, 20}}, {IDB_COMPASS, {130, 130}},
    };
    for (const auto& [id, size] : bitmaps) {
        EXPECT_EQ(LoadBitmapResource(id).size(), size) << id;
    }
    for (int id : {IDR_MAINFRAME, IDR_MAINFRAME_GERMAN, IDR_MAINFRAME_DANISH}) {
        EXPECT_FALSE(LoadIconResource(id).isNull()) << id;
    }
    EXPECT_TRUE(LoadBitmapResource(999).isNull());
    EXPECT_TRUE(LoadIconResource(IDB_COMPASS).isNull()); // a bitmap, not an icon
}

TEST(ResourceLibrary, BellsAndCompassStandOnTheTransparentColour) {
    for (int id :
         {IDB_BELL_BLINK, IDB_BELL_ALARM, IDB_BELL_ENABLED, IDB_BELL_DISABLED, IDB_COMPASS}) {
        const QImage picture = LoadBitmapResource(id).toImage();
        EXPECT_FALSE(picture.hasAlphaChannel()) << id;
        EXPECT_EQ(picture.pixelColor(0, 0), kTransparent) << id;
        EXPECT_EQ(picture.pixelColor(picture.width() - 1, picture.height() - 1), kTransparent)
            << id;
    }
    // The four bells differ from each other.
    const QImage quiet = LoadBitmapResource(IDB_BELL_ENABLED).toImage();
    EXPECT_NE(quiet, LoadBitmapResource(IDB_BELL_DISABLED).toImage());
    EXPECT_NE(LoadBitmapResource(IDB_BELL_ALARM).toImage(),
              LoadBitmapResource(IDB_BELL_BLINK).toImage());
    EXPECT_NE(quiet, LoadBitmapResource(IDB_BELL_ALARM).toImage());
}

TEST(ResourceLibrary, StringTablesHoldTheFrameTexts) {
    for (const auto& [id, idle] :
         {std::pair{IDR_MAINFRAME, "Ready"}, std::pair{IDR_MAINFRAME_GERMAN, "Bereit"},
          std::pair{IDR_MAINFRAME_DANISH, "Klar"}}) {
        std::map<int, std::string> strings;
        ResourceError error;
        ASSERT_TRUE(LoadStringTable(id, strings, error)) << error.Describe();
        EXPECT_EQ(strings.at(IDS_APP_TITLE), "Talvorin");
        EXPECT_EQ(strings.at(ID_INDICATOR_STATUS), "STATUS");
        EXPECT_EQ(strings.at(IDS_IDLE_MESSAGE), idle);
        EXPECT_EQ(strings.at(id), "Talvorin\n\nTalvorin\n\n\nTalvorin.Document\nTalvorin Document");
    }
}

TEST(ResourceLibrary, AMissingResourceIsReportedWithItsFile) {
    DialogTemplate dialog;
    ResourceError error;
    EXPECT_FALSE(LoadDialogTemplate(4242, dialog, error));
    EXPECT_EQ(error.Describe(), "dialogs/4242.rc:0: no such resource script");
    MenuTemplate menu;
    EXPECT_FALSE(LoadMenuTemplate(101, menu, error));
    EXPECT_THAT(error.message, testing::HasSubstr("no such resource script"));
}

} // namespace
