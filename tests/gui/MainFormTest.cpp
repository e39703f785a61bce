#include "controls/AlarmBell.h"
#include "controls/RainLevel.h"
#include "controls/TempLevel.h"
#include "controls/WindDir.h"
#include "controls/WindLevel.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/WindowStyles.h"
#include "resources/ResourceIds.h"
#include "texts/Env.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

namespace {

const int kLanguages[] = {IDD_MAIN_FORM, IDD_MAIN_FORM_GERMAN, IDD_MAIN_FORM_DANISH};

DialogTemplate LoadMainForm(int id) {
    DialogTemplate form;
    ResourceError error;
    EXPECT_TRUE(LoadDialogTemplate(id, form, error)) << error.Describe();
    return form;
}

const DialogControl* Find(const DialogTemplate& form, int id) {
    const auto it = std::find_if(form.controls.begin(), form.controls.end(),
                                 [id](const DialogControl& c) { return c.id == id; });
    return it == form.controls.end() ? nullptr : &*it;
}

// What the view writes to: values, min/max texts, bells and gauges.
const int kValueTexts[] = {10041, 10009, 10025, 10015, 10221, 10035, 10034, 10039, 1024,  10220,
                           10016, 10017, 1048,  10019, 10020, 10033, 10037, 10038, 10022, 10018};
const int kMinMaxTexts[] = {10061, 10059, 10057, 10055, 10048, 10050, 10046, 10045, 10085,
                            10084, 10068, 10066, 10075, 10076, 10072, 10070, 10174, 10173,
                            10087, 10089, 10091, 10093, 10021, 10099, 10079};
const int kBells[] = {1005, 1006, 1003, 1004, 1009, 1010, 1007, 1008, 1014, 1015, 1012, 1013, 1023,
                      1025, 1011, 1021, 1016, 1017, 1026, 1018, 1030, 1019, 1020, 1032, 1031};
const std::pair<int, const char*> kGauges[] = {
    {1081, "TempLevel"}, {1087, "TempLevel"}, {1079, "WindLevel"},
    {1080, "WindLevel"}, {1082, "RainLevel"}, {1083, "RainLevel"},
    {1084, "RainLevel"}, {1085, "RainLevel"}, {1086, "RainLevel"},
};

class MainForm : public testing::TestWithParam<int> {};

TEST_P(MainForm, HoldsEveryItemTheViewWritesAsItsKind) {
    const DialogTemplate form = LoadMainForm(GetParam());
    EXPECT_EQ(form.style & WS_CHILD, WS_CHILD);
    for (int id : kValueTexts) {
        const DialogControl* c = Find(form, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->className, "Static") << id;
        EXPECT_LE(c->style & SS_TYPEMASK, SS_RIGHT) << id;
        EXPECT_EQ(c->text, "---") << id;
    }
    for (int id : kMinMaxTexts) {
        const DialogControl* c = Find(form, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->className, "Static") << id;
        EXPECT_LE(c->style & SS_TYPEMASK, SS_RIGHT) << id;
    }
    // The bells are bitmap statics showing the quiet bell; the timer finds them by that.
    for (int id : kBells) {
        const DialogControl* c = Find(form, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->className, "Static") << id;
        EXPECT_EQ(c->style & SS_TYPEMASK, SS_BITMAP) << id;
        EXPECT_EQ(c->pictureId, IDB_BELL_ENABLED) << id;
    }
    const DialogControl* compass = Find(form, IDC_COMPASS);
    ASSERT_NE(compass, nullptr);
    EXPECT_EQ(compass->style & SS_TYPEMASK, SS_BITMAP);
    EXPECT_EQ(compass->pictureId, IDB_COMPASS);
    for (const auto& [id, className] : kGauges) {
        const DialogControl* c = Find(form, id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_EQ(c->className, className) << id;
    }
    for (const DialogControl& c : form.controls) {
        EXPECT_TRUE(c.style & WS_VISIBLE) << c.id;
        EXPECT_FALSE(c.style & WS_DISABLED) << c.id;
    }
}

TEST_P(MainForm, ControlsStayInsideTheFormAndDoNotOverlap) {
    const DialogTemplate form = LoadMainForm(GetParam());
    const QRect bounds(0, 0, form.cx, form.cy);
    std::vector<std::pair<QRect, int>> placed;
    for (const DialogControl& c : form.controls) {
        const QRect r(c.x, c.y, c.cx, c.cy);
        EXPECT_TRUE(bounds.contains(r)) << c.id << " " << c.text;
        const bool frame = c.className == "Button" && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
        if (frame) {
            continue;
        }
        for (const auto& [other, otherId] : placed) {
            EXPECT_FALSE(r.intersects(other)) << c.id << " '" << c.text << "' overlaps " << otherId;
        }
        placed.emplace_back(r, c.id);
    }
}

TEST_P(MainForm, EveryTextFitsItsPlaceInTheFormFont) {
    QWidget host;
    const DialogTemplate form = LoadMainForm(GetParam());
    BuildForm(form, host);
    const QFontMetrics metrics(host.font());
    int labels = 0;
    for (QLabel* label : host.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
        ++labels;
    }
    EXPECT_GT(labels, 60);
}

INSTANTIATE_TEST_SUITE_P(Languages, MainForm, testing::ValuesIn(kLanguages));

TEST(MainFormLanguages, ShareEveryIdKindAndPlace) {
    const DialogTemplate english = LoadMainForm(IDD_MAIN_FORM);
    for (int id : {IDD_MAIN_FORM_GERMAN, IDD_MAIN_FORM_DANISH}) {
        const DialogTemplate other = LoadMainForm(id);
        EXPECT_EQ(other.cx, english.cx);
        EXPECT_EQ(other.cy, english.cy);
        ASSERT_EQ(other.controls.size(), english.controls.size()) << id;
        std::set<int> ids;
        for (std::size_t i = 0; i < english.controls.size(); ++i) {
            const DialogControl& a = english.controls[i];
            const DialogControl& b = other.controls[i];
            EXPECT_EQ(a.id, b.id);
            EXPECT_EQ(a.className, b.className) << a.id;
            EXPECT_EQ(a.style, b.style) << a.id;
            EXPECT_EQ(QRect(a.x, a.y, a.cx, a.cy), QRect(b.x, b.y, b.cx, b.cy)) << a.id;
            if (a.id != -1) {
                ids.insert(a.id);
            }
        }
        // 20 values, 25 minimum and maximum texts, 25 bells, 9 gauges and the compass.
        EXPECT_EQ(ids.size(), 80u);
    }
}

TEST(MainFormLanguages, TheResourceTableNamesTheThreeForms) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(static_cast<int>(ResourceIdTable[kMainFormRow][lang]), kLanguages[lang]);
    }
}

TEST(MainFormLanguages, TheViewPlugsInItsGaugesByClassAndItsBellsById) {
    std::multiset<std::string> made;
    auto count = [&made](const DialogControl& control) { made.insert(control.className); };
    ControlFactories factories;
    factories
        .ForClass("TempLevel",
                  [&](const DialogControl& c, QWidget* parent) {
                      count(c);
                      return new CTempLevel(parent);
                  })
        .ForClass("RainLevel",
                  [&](const DialogControl& c, QWidget* parent) {
                      count(c);
                      return new CRainLevel(parent);
                  })
        .ForClass("WindLevel",
                  [&](const DialogControl& c, QWidget* parent) {
                      count(c);
                      return new CWindLevel(parent);
                  })
        .ForId(IDC_COMPASS, [](const DialogControl& c, QWidget* parent) {
            auto* compass = new CWindDir(parent);
            compass->SetCompass(LoadBitmapResource(c.pictureId));
            return compass;
        });
    for (int id : kBells) {
        factories.ForId(id, [](const DialogControl& c, QWidget* parent) {
            auto* bell = new CAlarmBell(parent);
            bell->setPixmap(LoadBitmapResource(c.pictureId));
            return bell;
        });
    }
    QWidget host;
    BuildForm(LoadMainForm(IDD_MAIN_FORM), host, factories);

    EXPECT_EQ(made.count("TempLevel"), 2u);
    EXPECT_EQ(made.count("RainLevel"), 5u);
    EXPECT_EQ(made.count("WindLevel"), 2u);
    EXPECT_NE(ControlById<CTempLevel>(host, IDC_INDOOR_THERMOMETER), nullptr);
    EXPECT_NE(ControlById<CTempLevel>(host, IDC_OUTDOOR_THERMOMETER), nullptr);
    EXPECT_NE(ControlById<CWindLevel>(host, IDC_GUST_LEVEL_BAR), nullptr);
    EXPECT_NE(ControlById<CRainLevel>(host, IDC_RAIN_TOTAL_BAR), nullptr);
    EXPECT_NE(ControlById<CWindDir>(host, IDC_COMPASS), nullptr);
    // The bells keep what the blinking timer looks for: a bitmap static's class and style.
    for (int id : kBells) {
        auto* bell = ControlById<CAlarmBell>(host, id);
        ASSERT_NE(bell, nullptr) << id;
        EXPECT_FALSE(bell->pixmap().isNull()) << id;
        EXPECT_EQ(bell->property(kCtrlClassProperty).toString(), "Static");
        EXPECT_EQ(bell->property(kCtrlStyleProperty).toUInt() & SS_TYPEMASK, SS_BITMAP);
    }
}

} // namespace
