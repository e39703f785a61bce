#include "app/AboutDlg.h"

#include "controls/HyperLink.h"
#include "platform/qt/DialogBuilder.h"
#include "program/Config.h"
#include "resources/ResourceIds.h"
#include "tests/core/ScopedValue.h"
#include "texts/Env.h"

#include <algorithm>

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

class AboutDlgTest : public testing::Test {
protected:
    QString ItemText(const CAboutDlg& about, int id) {
        const auto* item = ControlById<QLabel>(about, id);
        return item ? item->text() : "(missing)";
    }

    ScopedValue<int> m_lang{g_lang, 0};
    ScopedValue<std::string> m_version{g_aboutVersion, "Talvorin Version 1.0"};
    ScopedValue<std::string> m_copyright{g_aboutCopyright, "Copyright (C) Talvorin"};
    ScopedValue<std::string> m_description{g_aboutDescription, "Software Update:"};
    ScopedValue<std::string> m_link{g_aboutUpdateLink, "https://talvorin.example/update"};
};

TEST_F(AboutDlgTest, ShowsTheConfiguredTextsOneBelowTheOtherAndTheLinkBelowThem) {
    CAboutDlg about;
    ASSERT_TRUE(about.OnInitDialog());
    EXPECT_EQ(ItemText(about, IDC_ABOUT_VERSION), "Talvorin Version 1.0");
    EXPECT_EQ(ItemText(about, IDC_ABOUT_COPYRIGHT), "Copyright (C) Talvorin");
    EXPECT_EQ(ItemText(about, IDC_ABOUT_DESCRIPTION), "Software Update:");
    ASSERT_NE(about.m_updateLink, nullptr);
    EXPECT_EQ(about.m_updateLink->text(), "https://talvorin.example/update");
    EXPECT_EQ(about.m_updateLink->URL(), "https://talvorin.example/update");
    EXPECT_FALSE(about.m_updateLink->isHidden());
    EXPECT_TRUE(about.m_updateLink->font().underline());

    const int top[] = {ControlById(about, IDC_ABOUT_VERSION)->y(),
                       ControlById(about, IDC_ABOUT_COPYRIGHT)->y(),
                       ControlById(about, IDC_ABOUT_DESCRIPTION)->y(), about.m_updateLink->y()};
    EXPECT_TRUE(std::is_sorted(std::begin(top), std::end(top)) &&
                std::adjacent_find(std::begin(top), std::end(top)) == std::end(top));
}

TEST_F(AboutDlgTest, AnEmptyUpdateAddressHidesTheLink) {
    g_aboutUpdateLink.clear();
    g_aboutDescription.clear();
    CAboutDlg about;
    ASSERT_TRUE(about.OnInitDialog());
    ASSERT_NE(about.m_updateLink, nullptr);
    EXPECT_TRUE(about.m_updateLink->isHidden());
    EXPECT_EQ(ItemText(about, IDC_ABOUT_DESCRIPTION), "");
    EXPECT_EQ(ItemText(about, IDC_ABOUT_VERSION), "Talvorin Version 1.0");
}

TEST_F(AboutDlgTest, TheCaptionIsTheLanguagesAndTheIconTheProgramsOwn) {
    const char* const captions[] = {"About Talvorin", "Talvorin Info", "Om Talvorin"};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        CAboutDlg about;
        ASSERT_TRUE(about.OnInitDialog());
        EXPECT_EQ(about.windowTitle(), captions[lang]);
        bool icon = false;
        for (const QLabel* label : about.findChildren<QLabel*>())
            icon = icon || !label->pixmap().isNull();
        EXPECT_TRUE(icon);
    }
}

TEST_F(AboutDlgTest, OkClosesTheBox) {
    CAboutDlg about;
    QTimer::singleShot(0, &about, [&about] {
        if (auto* ok = ControlById<QPushButton>(about, 1))
            ok->click();
        else
            about.reject();
    });
    EXPECT_EQ(about.DoModal(), QDialog::Accepted);
}

} // namespace
