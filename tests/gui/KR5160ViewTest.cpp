#include "app/KR5160View.h"

#include "app/FormBackground.h"
#include "app/MainFrm.h"
#include "app/core/Config.h"
#include "controls/RainLevel.h"
#include "controls/ScopeValue.h"
#include "controls/TempLevel.h"
#include "controls/WindDir.h"
#include "controls/WindLevel.h"
#include "platform/SystemUtils.h"
#include "resources/ResourceIds.h"
#include "station/values/UnitNames.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedValue.h"
#include "tests/gui/ViewTestSupport.h"

#include <functional>

#include <gtest/gtest.h>

#include <QScrollBar>

namespace {

const std::string kCelsius(kUnitCelsius);
const std::string kFahrenheit(kUnitFahrenheit);

// The rain bars and their full scales in millimetres.
const std::pair<int, float> kRainBarsMm[] = {{IDC_RAIN_HOUR_BAR, 40.0f},
                                             {IDC_RAIN_DAY_BAR, 100.0f},
                                             {IDC_RAIN_WEEK_BAR, 200.0f},
                                             {IDC_RAIN_MONTH_BAR, 300.0f},
                                             {IDC_RAIN_TOTAL_BAR, 400.0f}};

// The view as the frame leaves it after its first initial update, without the monitor thread.
class ViewTest : public testing::Test {
protected:
    ViewTest() { view.OnInitialUpdate(); }

    std::string Text(int item) const { return ItemText(view, item); }
    bool LooksArmedWith(int bell, int picture) const {
        return BellLook(view, bell) == ArmedLook(view, bell, picture);
    }

    ScopedValue<std::string> searchDataOff{g_searchData, "false"};
    CKR5160View view;
};

TEST_F(ViewTest, BeforeTheFirstReadingEveryValueIsEmptyInItsMetricUnit) {
    const std::pair<int, std::string> expected[] = {
        {IDC_INDOOR_HUMIDITY, "--- %"},
        {IDC_INDOOR_TEMPERATURE, "--- " + kCelsius},
        {IDC_OUTDOOR_HUMIDITY, "--- %"},
        {IDC_OUTDOOR_TEMPERATURE, "--- " + kCelsius},
        {IDC_ABSOLUTE_PRESSURE, "--- hPa"},
        {IDC_WIND_SPEED, "--- m/s"},
        {IDC_GUST_SPEED, "--- m/s"},
        {IDC_WIND_DIRECTION, "---"},
        {IDC_RAIN_TOTAL, "--- mm"},
        {IDC_RELATIVE_PRESSURE, "--- hPa"},
        {IDC_DEWPOINT, "--- " + kCelsius},
        {IDC_WINDCHILL, "--- " + kCelsius},
        {IDC_RAIN_HOUR, "--- mm"},
        {IDC_RAIN_DAY, "--- mm"},
        {IDC_RAIN_WEEK, "--- mm"},
        {IDC_RAIN_MONTH, "--- mm"},
        {IDC_WIND_LEVEL, "--- bft"},
        {IDC_GUST_LEVEL, "--- bft"},
        {IDC_LIGHT, "--- lux"},
        {IDC_UV, "--- "},
        {IDC_INDOOR_HUMIDITY_MAX, "--- %"},
        {IDC_INDOOR_HUMIDITY_MIN, "--- %"},
        {IDC_OUTDOOR_HUMIDITY_MAX, "--- %"},
        {IDC_OUTDOOR_HUMIDITY_MIN, "--- %"},
        {IDC_INDOOR_TEMPERATURE_MAX, "--- " + kCelsius},
        {IDC_INDOOR_TEMPERATURE_MIN, "--- " + kCelsius},
        {IDC_OUTDOOR_TEMPERATURE_MAX, "--- " + kCelsius},
        {IDC_OUTDOOR_TEMPERATURE_MIN, "--- " + kCelsius},
        {IDC_WINDCHILL_MAX, "--- " + kCelsius},
        {IDC_WINDCHILL_MIN, "--- " + kCelsius},
        {IDC_DEWPOINT_MAX, "--- " + kCelsius},
        {IDC_DEWPOINT_MIN, "--- " + kCelsius},
        {IDC_ABSOLUTE_PRESSURE_MAX, "--- hPa"},
        {IDC_ABSOLUTE_PRESSURE_MIN, "--- hPa"},
        {IDC_RELATIVE_PRESSURE_MAX, "--- hPa"},
        {IDC_RELATIVE_PRESSURE_MIN, "--- hPa"},
        {IDC_WIND_SPEED_MAX, "--- m/s"},
        {IDC_GUST_SPEED_MAX, "--- m/s"},
        {IDC_RAIN_HOUR_MAX, "--- mm"},
        {IDC_RAIN_DAY_MAX, "--- mm"},
        {IDC_RAIN_WEEK_MAX, "--- mm"},
        {IDC_RAIN_MONTH_MAX, "--- mm"},
        {IDC_RAIN_TOTAL_MAX, "--- mm"},
        {IDC_LIGHT_MAX, "--- lux"},
        {IDC_UV_MAX, "--- "},
    };
    for (const auto& [item, text] : expected)
        EXPECT_EQ(Text(item), text) << item;

    for (int item : {IDC_INDOOR_THERMOMETER, IDC_OUTDOOR_THERMOMETER}) {
        const auto* thermometer = ControlById<CTempLevel>(view.Form(), item);
        ASSERT_NE(thermometer, nullptr);
        EXPECT_FALSE(thermometer->HasValue());
        EXPECT_EQ(thermometer->Min(), -40.0f);
        EXPECT_EQ(thermometer->Max(), 60.0f);
        EXPECT_EQ(thermometer->Divisions(), 10);
    }
    for (int item : {IDC_WIND_LEVEL_BAR, IDC_GUST_LEVEL_BAR})
        EXPECT_EQ(ControlById<CWindLevel>(view.Form(), item)->Level(), 0) << item;
    for (const auto& [item, fullScale] : kRainBarsMm) {
        const auto* bar = ControlById<CRainLevel>(view.Form(), item);
        ASSERT_NE(bar, nullptr);
        EXPECT_FALSE(bar->HasValue());
        EXPECT_EQ(bar->Max(), fullScale);
        EXPECT_EQ(bar->Divisions(), 2);
    }
    EXPECT_EQ(ControlById<CWindDir>(view.Form(), IDC_COMPASS)->Direction(), -1) << "no needle";
    for (int bell : BellItems())
        EXPECT_TRUE(LooksArmedWith(bell, IDB_BELL_DISABLED)) << "no alarm is enabled: " << bell;
}

TEST_F(ViewTest, TheFormItemsAreTheGaugesBellsAndLabelsOfTheProgram) {
    for (int item : ScopeValueItems())
        EXPECT_NE(ControlById<CScopeValue>(view.Form(), item), nullptr) << item;
    // Aligned as the template says: right (RTEXT) and centred (CTEXT).
    EXPECT_TRUE(ControlById<CScopeValue>(view.Form(), IDC_INDOOR_TEMPERATURE_MAX)->alignment() &
                Qt::AlignRight);
    EXPECT_TRUE(ControlById<CScopeValue>(view.Form(), IDC_RAIN_HOUR_MAX)->alignment() &
                Qt::AlignHCenter);
    for (int item : BellItems())
        EXPECT_NE(ControlById<CAlarmBell>(view.Form(), item), nullptr) << item;
    EXPECT_NE(ControlById<CWindDir>(view.Form(), IDC_COMPASS), nullptr);
    // The four bell pictures can be told apart, so comparing looks means something.
    const int pictures[] = {IDB_BELL_DISABLED, IDB_BELL_ENABLED, IDB_BELL_ALARM, IDB_BELL_BLINK};
    for (int a : pictures)
        for (int b : pictures)
            if (a != b) {
                EXPECT_NE(ArmedLook(view, IDC_BELL_UV, a), ArmedLook(view, IDC_BELL_UV, b));
            }
}

TEST_F(ViewTest, InFahrenheitTheThermometersRunFromMinus40To140) {
    CWeatherRecord record;
    record.indTemp = "71.6";
    CWeatherSettings settings;
    settings.indTempUnit = kFahrenheit;
    settings.outTempUnit = kFahrenheit;
    view.ShowLiveData(record, settings);
    for (int item : {IDC_INDOOR_THERMOMETER, IDC_OUTDOOR_THERMOMETER}) {
        const auto* thermometer = ControlById<CTempLevel>(view.Form(), item);
        EXPECT_FLOAT_EQ(thermometer->Min(), -40.0f);
        EXPECT_FLOAT_EQ(thermometer->Max(), 140.0f);
        EXPECT_EQ(thermometer->Divisions(), 10);
    }
    EXPECT_TRUE(ControlById<CTempLevel>(view.Form(), IDC_INDOOR_THERMOMETER)->HasValue());
    EXPECT_FALSE(ControlById<CTempLevel>(view.Form(), IDC_OUTDOOR_THERMOMETER)->HasValue());
    EXPECT_EQ(Text(IDC_INDOOR_TEMPERATURE), "71.6 " + kFahrenheit);
}

TEST_F(ViewTest, InInchesTheRainBarsShowTheirFullScalesInInches) {
    CWeatherRecord record;
    record.hourRain = "0.12";
    CWeatherSettings settings;
    settings.rainUnit = "inch";
    view.ShowLiveData(record, settings);
    for (const auto& [item, millimetres] : kRainBarsMm) {
        const auto* bar = ControlById<CRainLevel>(view.Form(), item);
        EXPECT_NEAR(bar->Max(), millimetres / 25.4f, 0.002f) << item;
        EXPECT_EQ(bar->Divisions(), 2);
    }
    EXPECT_TRUE(ControlById<CRainLevel>(view.Form(), IDC_RAIN_HOUR_BAR)->HasValue());
    EXPECT_EQ(Text(IDC_RAIN_HOUR), "0.12 inch");
    EXPECT_EQ(Text(IDC_RAIN_DAY), "--- inch");
}

TEST_F(ViewTest, TheLiveValuesShowOnGaugesAndTexts) {
    CWeatherRecord record;
    record.windsLevel = "4";
    record.gustLevel = "6";
    record.windDir = "5";
    record.windDirDesc = "ESE";
    record.absPres = "29.85";
    CWeatherSettings settings;
    settings.presUnit = "inHg";
    view.ShowLiveData(record, settings);
    EXPECT_EQ(ControlById<CWindLevel>(view.Form(), IDC_WIND_LEVEL_BAR)->Level(), 4);
    EXPECT_EQ(ControlById<CWindLevel>(view.Form(), IDC_GUST_LEVEL_BAR)->Level(), 6);
    EXPECT_EQ(ControlById<CWindDir>(view.Form(), IDC_COMPASS)->Direction(), 5);
    EXPECT_EQ(Text(IDC_WIND_DIRECTION), "ESE");
    EXPECT_EQ(Text(IDC_WIND_LEVEL), "4 bft");
    EXPECT_EQ(Text(IDC_ABSOLUTE_PRESSURE), "29.85 inHg");
    EXPECT_EQ(Text(IDC_RELATIVE_PRESSURE), "--- inHg");
}

TEST_F(ViewTest, TheMinMaxTextsCarryTheirUnits) {
    CWeatherSettings settings;
    settings.windUnit = "km/h";
    settings.windMax = "43.2";
    settings.uvMax = "7";
    settings.lightmeterUnit = "fc";
    settings.lightmeterMax = "1234.50";
    view.ShowMinMax(settings);
    EXPECT_EQ(Text(IDC_WIND_SPEED_MAX), "43.2 km/h");
    EXPECT_EQ(Text(IDC_GUST_SPEED_MAX), "--- km/h");
    EXPECT_EQ(Text(IDC_UV_MAX), "7 ");
    EXPECT_EQ(Text(IDC_LIGHT_MAX), "1234.50 fc");
}

enum class Bell { kDisabled, kQuiet, kRinging };

struct AlarmCase {
    const char* name;
    std::function<void(CWeatherRecord&, CWeatherSettings&)> set;
    int bell;
    Bell expected;
};

// Thresholds are given as the console stores them: tenths of the display unit.
const AlarmCase kAlarmCases[] = {
    {"AboveTheHighThreshold",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.outTemp = "2.1";
         s.outTempHighAlarm = "20";
         s.outTempHighAlarmFlag = "1";
     },
     IDC_BELL_OUTDOOR_TEMPERATURE_HIGH, Bell::kRinging},
    {"EqualToTheHighThreshold",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.outTemp = "2.0";
         s.outTempHighAlarm = "20";
         s.outTempHighAlarmFlag = "1";
     },
     IDC_BELL_OUTDOOR_TEMPERATURE_HIGH, Bell::kQuiet},
    {"BelowTheLowThreshold",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.outTemp = "1.0";
         s.outTempLowAlarm = "20";
         s.outTempLowAlarmFlag = "1";
     },
     IDC_BELL_OUTDOOR_TEMPERATURE_LOW, Bell::kRinging},
    {"EqualToTheLowThreshold",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.indHumi = "30";
         s.indHumiLowAlarm = "30";
         s.indHumiLowAlarmFlag = "1";
     },
     IDC_BELL_INDOOR_HUMIDITY_LOW, Bell::kQuiet},
    {"BelowZeroNeverRings",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.outTemp = "-5.0";
         s.outTempLowAlarm = "20";
         s.outTempLowAlarmFlag = "1";
     },
     IDC_BELL_OUTDOOR_TEMPERATURE_LOW, Bell::kQuiet},
    {"HumidityZeroNeverRings",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.indHumi = "0";
         s.indHumiLowAlarm = "30";
         s.indHumiLowAlarmFlag = "1";
     },
     IDC_BELL_INDOOR_HUMIDITY_LOW, Bell::kQuiet},
    {"AMissingReadingNeverRings",
     [](CWeatherRecord&, CWeatherSettings& s) {
         s.dewpointLowAlarm = "50";
         s.dewpointLowAlarmFlag = "1";
     },
     IDC_BELL_DEWPOINT_LOW, Bell::kQuiet},
    {"TheAlarmDirectionWithWind",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.windDir = "4";
         r.winds = "3.0";
         s.windDirAlarm = "4";
         s.windDirAlarmFlag = "1";
     },
     IDC_BELL_WIND_DIRECTION, Bell::kRinging},
    {"TheAlarmDirectionInCalmAir",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.windDir = "4";
         r.winds = "0.0";
         s.windDirAlarm = "4";
         s.windDirAlarmFlag = "1";
     },
     IDC_BELL_WIND_DIRECTION, Bell::kQuiet},
    {"AnotherDirection",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.windDir = "5";
         r.winds = "3.0";
         s.windDirAlarm = "4";
         s.windDirAlarmFlag = "1";
     },
     IDC_BELL_WIND_DIRECTION, Bell::kQuiet},
    {"TwoDecimalThresholdsInInches",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.hourRain = "1.01";
         s.rainUnit = "inch";
         s.hourRainAlarm = "100";
         s.hourRainAlarmFlag = "1";
     },
     IDC_BELL_RAIN_HOUR, Bell::kRinging},
    {"AnAlarmThatIsOff",
     [](CWeatherRecord& r, CWeatherSettings& s) {
         r.uv = "9";
         s.uvHighAlarm = "5";
         s.uvHighAlarmFlag = "0";
     },
     IDC_BELL_UV, Bell::kDisabled},
};

class ViewAlarmTest : public ViewTest, public testing::WithParamInterface<AlarmCase> {};

TEST_P(ViewAlarmTest, SetsTheBellPicture) {
    CWeatherRecord record;
    CWeatherSettings settings;
    GetParam().set(record, settings);
    view.ShowAlarms(record, settings);
    const int bell = GetParam().bell;
    switch (GetParam().expected) {
    case Bell::kDisabled:
        EXPECT_TRUE(LooksArmedWith(bell, IDB_BELL_DISABLED));
        break;
    case Bell::kQuiet:
        EXPECT_TRUE(LooksArmedWith(bell, IDB_BELL_ENABLED));
        break;
    case Bell::kRinging:
        EXPECT_TRUE(LooksArmedWith(bell, IDB_BELL_ALARM));
        break;
    }
    for (int other : BellItems())
        if (other != bell) {
            EXPECT_TRUE(LooksArmedWith(other, IDB_BELL_DISABLED)) << other;
        }
}

INSTANTIATE_TEST_SUITE_P(Alarms, ViewAlarmTest, testing::ValuesIn(kAlarmCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewTest, ARingingBellBlinksWithTheTimerAndAQuietOneStaysStill) {
    CWeatherRecord record;
    record.outTemp = "3.0";
    CWeatherSettings settings;
    settings.outTempHighAlarm = "20";
    settings.outTempHighAlarmFlag = "1";
    settings.outTempLowAlarm = "-100";
    settings.outTempLowAlarmFlag = "1";
    view.ShowAlarms(record, settings);
    view.ToggleBells();
    EXPECT_TRUE(LooksArmedWith(IDC_BELL_OUTDOOR_TEMPERATURE_HIGH, IDB_BELL_BLINK));
    EXPECT_TRUE(LooksArmedWith(IDC_BELL_OUTDOOR_TEMPERATURE_LOW, IDB_BELL_ENABLED));
    view.ToggleBells();
    EXPECT_TRUE(LooksArmedWith(IDC_BELL_OUTDOOR_TEMPERATURE_HIGH, IDB_BELL_ALARM));
    EXPECT_TRUE(LooksArmedWith(IDC_BELL_OUTDOOR_TEMPERATURE_LOW, IDB_BELL_ENABLED));
}

TEST_F(ViewTest, TheFormAndItsSeeThroughControlsStandOnTheBackgroundPicture) {
    const QBrush background = view.Form().palette().brush(QPalette::Window);
    EXPECT_EQ(background.style(), Qt::TexturePattern);
    EXPECT_FALSE(background.texture().isNull());
    EXPECT_TRUE(view.Form().autoFillBackground());
    for (int item : {IDC_INDOOR_TEMPERATURE, IDC_BELL_UV, IDC_INDOOR_HUMIDITY_MAX}) {
        QWidget* control = ControlById(view.Form(), item);
        EXPECT_FALSE(control->autoFillBackground()) << item;
        EXPECT_EQ(control->palette().brush(QPalette::Window), background) << item;
    }
}

TEST(FormBackground, IsThePictureOfTheProgramFolderOrAPlainLightFace) {
    const QBrush picture = FormBackgroundBrush(GetModuleDir() + kFormBackgroundFile);
    EXPECT_EQ(picture.style(), Qt::TexturePattern);
    EXPECT_GT(picture.texture().width(), 0);
    const QBrush missing = FormBackgroundBrush(GetModuleDir() + "no-such-picture.bmp");
    EXPECT_EQ(missing.style(), Qt::SolidPattern);
    EXPECT_EQ(missing.color(), kPlainFormColour);
    EXPECT_GT(kPlainFormColour.lightness(), 200);
}

TEST(ViewFrameSize, TheFrameShrinksToTheFormButNeverGrows) {
    ScopedValue<std::string> searchDataOff{g_searchData, "false"};
    for (const QSize& start : {QSize(3000, 2000), QSize(300, 200)}) {
        QWidget frame;
        auto* view = new CKR5160View(&frame);
        const QSize form = view->sizeHint();
        const QSize frameExtra(10, 40); // where a frame keeps its bars
        frame.resize(start);
        view->setGeometry(QRect(QPoint(0, 30), start - frameExtra));
        view->OnInitialUpdate();
        EXPECT_EQ(frame.size(), start.boundedTo(form + frameExtra)) << start.width();
    }
}

// The main window as the program opens it, with its real view, but without the monitor thread.
class MainWindowTest : public testing::Test {
protected:
    MainWindowTest() { EXPECT_TRUE(frame.OnCreate()); }

    CKR5160View& View() const { return static_cast<CKR5160View&>(*frame.View()); }
    // The scroll bars show or hide once the resizing has passed through the event loop.
    void Resize(const QSize& size) {
        frame.resize(size);
        QCoreApplication::processEvents();
    }
    bool Scrolls(Qt::Orientation direction) const {
        return (direction == Qt::Horizontal ? View().horizontalScrollBar()
                                            : View().verticalScrollBar())
            ->isVisible();
    }
    // As much of the control as the view can hold shows in it.
    bool InView(const QWidget& control) const {
        return control.visibleRegion().boundingRect().size() ==
               control.size().boundedTo(View().viewport()->size());
    }
    bool InView(int item) const { return InView(*ControlById(View().Form(), item)); }

    // A window on a small screen.
    static constexpr QSize kSmallWindow{600, 330};

    ScopedSimulatedLink testMode;
    ScopedValue<std::string> searchDataOff{g_searchData, "false"};
    CMainFrame frame;
};

TEST_F(MainWindowTest, AtTheFormsSizeNoScrollBarShowsAndEachComesOnlyWhenNeeded) {
    // As on a screen larger than the form, which the frame shrinks to when it first shows.
    frame.resize(3000, 2000);
    frame.InitialUpdateFrame();
    const QSize full = frame.size();
    ASSERT_LT(full.width(), 3000);
    EXPECT_EQ(View().size(), View().FormSize());
    EXPECT_FALSE(Scrolls(Qt::Horizontal));
    EXPECT_FALSE(Scrolls(Qt::Vertical));
    for (QWidget* control : View().Form().findChildren<QWidget*>())
        EXPECT_TRUE(InView(*control)) << control->objectName().toStdString();

    Resize(full + QSize(200, -100));
    EXPECT_FALSE(Scrolls(Qt::Horizontal));
    EXPECT_TRUE(Scrolls(Qt::Vertical));
    Resize(full + QSize(-100, 200));
    EXPECT_TRUE(Scrolls(Qt::Horizontal));
    EXPECT_FALSE(Scrolls(Qt::Vertical));
    Resize(full);
    EXPECT_FALSE(Scrolls(Qt::Horizontal));
    EXPECT_FALSE(Scrolls(Qt::Vertical));
}

TEST_F(MainWindowTest, AtASmallSizeTheScrollBarsBringEveryPartOfTheFormIntoView) {
    frame.InitialUpdateFrame();
    Resize(kSmallWindow);
    ASSERT_EQ(frame.size(), kSmallWindow) << "the window may be made that small";
    ASSERT_TRUE(Scrolls(Qt::Horizontal));
    ASSERT_TRUE(Scrolls(Qt::Vertical));
    // Wind, rain and pressure, and the bells of light and UV lie beyond the window at first.
    for (int item :
         {IDC_WIND_SPEED, IDC_RAIN_TOTAL_BAR, IDC_ABSOLUTE_PRESSURE, IDC_BELL_LIGHT, IDC_BELL_UV})
        EXPECT_FALSE(InView(item)) << item;

    QScrollBar& across = *View().horizontalScrollBar();
    QScrollBar& down = *View().verticalScrollBar();
    for (QWidget* control : View().Form().findChildren<QWidget*>()) {
        // The bars stop at their ends, which show the form's right and bottom edges.
        across.setValue(control->x());
        down.setValue(control->y());
        EXPECT_TRUE(InView(*control)) << control->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, TheFormScrollsWithItsPicture) {
    frame.InitialUpdateFrame();
    Resize(kSmallWindow);
    QWidget& viewport = *View().viewport();
    const QImage before = viewport.grab().toImage();

    // A click on the scroll bar's arrow.
    View().verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const int moved = View().verticalScrollBar()->value();
    ASSERT_GT(moved, 0);
    const int kept = before.height() - moved;
    ASSERT_GT(kept, 0);

    // Controls, texts and background picture all moved up by as much.
    const QImage after = viewport.grab().toImage();
    EXPECT_EQ(after.copy(0, 0, after.width(), kept), before.copy(0, moved, before.width(), kept));
}

} // namespace
