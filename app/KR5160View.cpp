#include "app/KR5160View.h"

#include "app/FormBackground.h"
#include "app/core/Config.h"
#include "app/core/WakeEvent.h"
#include "controls/AlarmBell.h"
#include "controls/BellEvents.h"
#include "controls/RainLevel.h"
#include "controls/ScopeValue.h"
#include "controls/TempLevel.h"
#include "controls/WindDir.h"
#include "controls/WindLevel.h"
#include "platform/SystemUtils.h"
#include "platform/qt/DialogBuilder.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/ResourceLibrary.h"
#include "platform/qt/StandardControls.h"
#include "platform/qt/UiThread.h"
#include "resources/ResourceIds.h"
#include "station/link/WeatherComm.h"
#include "station/values/QuantityConversion.h"
#include "texts/Env.h"

#include <algorithm>
#include <memory>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QLabel>

namespace {

constexpr float kThermometerMinC = -40.0f;
constexpr float kThermometerMaxC = 60.0f;
constexpr int kThermometerDivisions = 10;
constexpr int kRainDivisions = 2;

struct RainBar {
    int item;
    float fullScaleMm;
    std::string CWeatherRecord::*value;
};

constexpr RainBar kRainBars[] = {
    {IDC_RAIN_HOUR_BAR, 40.0f, &CWeatherRecord::hourRain},
    {IDC_RAIN_DAY_BAR, 100.0f, &CWeatherRecord::dayRain},
    {IDC_RAIN_WEEK_BAR, 200.0f, &CWeatherRecord::weekRain},
    {IDC_RAIN_MONTH_BAR, 300.0f, &CWeatherRecord::monthRain},
    {IDC_RAIN_TOTAL_BAR, 400.0f, &CWeatherRecord::totalRain},
};

// A label class of ours in place of a text or picture item of the form: it shows what the
// standard item would have shown, in the same way.
template <class Label>
QWidget* TakeOverLabel(const DialogControl& control, QWidget* parent) {
    const std::unique_ptr<QWidget> standard(CreateStandardControl(control, QRect(), nullptr));
    auto* label = new Label(parent);
    if (const auto* item = qobject_cast<QLabel*>(standard.get())) {
        if (item->pixmap().isNull())
            label->setText(item->text());
        else
            label->setPixmap(item->pixmap());
        label->setScaledContents(item->hasScaledContents());
        label->setAlignment(item->alignment());
        label->setWordWrap(item->wordWrap());
        label->setFrameStyle(item->frameStyle());
    }
    return label;
}

template <class Gauge>
QWidget* MakeGauge(const DialogControl&, QWidget* parent) {
    return new Gauge(parent);
}

QWidget* MakeCompass(const DialogControl& control, QWidget* parent) {
    auto* compass = new CWindDir(parent);
    compass->SetCompass(LoadBitmapResource(control.pictureId));
    return compass;
}

// The scale is -40 to 60 °C expressed in the unit shown.
void ShowTemperature(CTempLevel* thermometer, const std::string& value, const std::string& unit) {
    if (thermometer)
        thermometer->SetValueText(ConvertTemperatureFromMetric(kThermometerMinC, 1.0f, unit),
                                  ConvertTemperatureFromMetric(kThermometerMaxC, 1.0f, unit),
                                  kThermometerDivisions, value);
}

} // namespace

CKR5160View::CKR5160View(QWidget* parent)
    : CFormView(parent), m_bellBlinkBitmap(LoadBitmapResource(IDB_BELL_BLINK)),
      m_bellEnabledBitmap(LoadBitmapResource(IDB_BELL_ENABLED)),
      m_bellDisabledBitmap(LoadBitmapResource(IDB_BELL_DISABLED)),
      m_bellAlarmBitmap(LoadBitmapResource(IDB_BELL_ALARM)) {
    BuildMainForm();
}

CKR5160View::~CKR5160View() {
    StopMonitor();
}

// The gauges, bells and min/max labels are made by the form builder in place of the
// template's items, so they sit in the template's places and carry its ids.
void CKR5160View::BuildMainForm() {
    ControlFactories factories;
    factories.ForClass("TempLevel", MakeGauge<CTempLevel>)
        .ForClass("RainLevel", MakeGauge<CRainLevel>)
        .ForClass("WindLevel", MakeGauge<CWindLevel>)
        .ForId(IDC_COMPASS, MakeCompass);
    for (int item : BellItems())
        factories.ForId(item, TakeOverLabel<CAlarmBell>);
    for (int item : ScopeValueItems())
        factories.ForId(item, TakeOverLabel<CScopeValue>);
    if (!CreateForm(static_cast<int>(ResourceId(kMainFormRow)), factories))
        return;

    const QWidget& form = Form();
    const std::array<int, kBellCount> bellItems = BellItems();
    for (std::size_t i = 0; i < kBellCount; ++i)
        m_bells[i] = ControlById<CAlarmBell>(form, bellItems[i]);
    m_indoorThermometer = ControlById<CTempLevel>(form, IDC_INDOOR_THERMOMETER);
    m_outdoorThermometer = ControlById<CTempLevel>(form, IDC_OUTDOOR_THERMOMETER);
    m_windLevel = ControlById<CWindLevel>(form, IDC_WIND_LEVEL_BAR);
    m_gustLevel = ControlById<CWindLevel>(form, IDC_GUST_LEVEL_BAR);
    static_assert(std::size(kRainBars) == kRainBarCount);
    for (std::size_t i = 0; i < kRainBarCount; ++i)
        m_rainGauges[i] = ControlById<CRainLevel>(form, kRainBars[i].item);
    m_compass = ControlById<CWindDir>(form, IDC_COMPASS);
}

// The picture lies on the form, so that it scrolls with the controls; the scroll bars keep
// their plain look.
void CKR5160View::OnInitialUpdate() {
    QWidget& form = Form();
    QPalette background = form.palette();
    background.setBrush(QPalette::Window,
                        FormBackgroundBrush(GetModuleDir() + kFormBackgroundFile));
    form.setPalette(background);
    form.setAutoFillBackground(true);

    ResizeParentToFit();
    SetInitialRanges();
    ShowLiveData(CWeatherRecord(), CWeatherSettings());
    ShowAlarms(CWeatherRecord(), CWeatherSettings());
    ShowMinMax(CWeatherSettings());

    // A second initial update (a new or opened document) keeps the thread that runs.
    if (m_initialUpdateDone)
        return;
    m_initialUpdateDone = true;
    if (IsSearchDataOn())
        StartMonitor();
}

// The frame takes the size that shows the whole form, unless it is smaller already.
void CKR5160View::ResizeParentToFit() {
    QWidget* frame = window();
    if (frame == this || FormSize().isEmpty())
        return;
    const QSize fit = frame->size() - size() + FormSize();
    frame->resize(std::min(frame->width(), fit.width()), std::min(frame->height(), fit.height()));
}

void CKR5160View::SetInitialRanges() {
    for (CTempLevel* thermometer : {m_indoorThermometer, m_outdoorThermometer})
        if (thermometer)
            thermometer->SetRange(kThermometerMinC, kThermometerMaxC, kThermometerDivisions,
                                  kThermometerMinC);
    for (CWindLevel* level : {m_windLevel, m_gustLevel})
        if (level)
            level->SetLevel(0);
    for (std::size_t i = 0; i < kRainBarCount; ++i)
        if (m_rainGauges[i])
            m_rainGauges[i]->SetRange(kRainBars[i].fullScaleMm, kRainDivisions, 0.0f);
    if (m_compass)
        m_compass->SetDirection(-1);
}

void CKR5160View::ShowLiveData(const CWeatherRecord& record, const CWeatherSettings& settings) {
    RunOnUiThread([&] {
        ShowTemperature(m_indoorThermometer, record.indTemp, settings.indTempUnit);
        ShowTemperature(m_outdoorThermometer, record.outTemp, settings.outTempUnit);
        if (m_windLevel)
            m_windLevel->SetLevel(record.windsLevel);
        if (m_gustLevel)
            m_gustLevel->SetLevel(record.gustLevel);
        for (std::size_t i = 0; i < kRainBarCount; ++i)
            if (m_rainGauges[i])
                m_rainGauges[i]->SetValueText(
                    ConvertRainFromMetric(kRainBars[i].fullScaleMm, 1.0f, settings.rainUnit),
                    kRainDivisions, record.*kRainBars[i].value);
        if (m_compass)
            m_compass->SetDirection(record.windDir);
        for (const ItemText& text : LiveValueTexts(record, settings))
            SetItemText(text.item, text.text);
    });
}

void CKR5160View::ShowAlarms(const CWeatherRecord& record, const CWeatherSettings& settings) {
    const std::array<BellState, kBellCount> bells = AlarmBellStates(record, settings);
    RunOnUiThread([&] {
        for (const BellState& bell : bells)
            SetBell(bell.item, bell.enabled, bell.active);
    });
}

void CKR5160View::ShowMinMax(const CWeatherSettings& settings) {
    const std::vector<ItemText> texts = MinMaxTexts(settings);
    RunOnUiThread([&] {
        for (const ItemText& text : texts)
            SetItemText(text.item, text.text);
    });
}

void CKR5160View::SetItemText(int item, const std::string& text) {
    if (auto* label = ControlById<QLabel>(Form(), item))
        label->setText(QString::fromStdString(text));
}

void CKR5160View::SetBell(int item, bool enabled, bool active) {
    RunOnUiThread([&] {
        QWidget* bell = ControlById(Form(), item);
        if (!bell)
            return;
        const bool ringing = enabled && active;
        BellBitmapsEvent bitmaps(!enabled  ? m_bellDisabledBitmap
                                 : ringing ? m_bellAlarmBitmap
                                           : m_bellEnabledBitmap,
                                 ringing ? m_bellBlinkBitmap : QPixmap());
        QCoreApplication::sendEvent(bell, &bitmaps);
    });
}

void CKR5160View::ToggleBells() {
    for (CAlarmBell* bell : m_bells) {
        if (bell) {
            BellToggleEvent toggle;
            QCoreApplication::sendEvent(bell, &toggle);
        }
    }
}

void CKR5160View::SetTitle(const std::string& title) {
    RunOnUiThread([&] {
        if (QWidget* frame = window(); frame != this)
            frame->setWindowTitle(QString::fromStdString(title));
    });
}

void CKR5160View::Invalidate() {
    RunOnUiThread([this] { Form().update(); });
}

void CKR5160View::StartMonitor() {
    m_monitorEnded = false;
    // Waking this thread's event loop lets the teardown see the end at once.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    const bool started = m_monitor.Start(
        [this, dispatcher] {
            MonitorThread(*this);
            m_monitorEnded = true;
            dispatcher->wakeUp();
        },
        ThreadPriority::kBelowNormal);
    if (!started)
        ShowMessageBox(this, "Begin monitor thread fail!");
}

// The thread ends at the top of its next cycle, which it reaches at once: its pauses end on
// the request. Until then it may still show values or send status texts, each waiting for this
// thread to carry it out, so this thread keeps handling them (but no input) while it waits.
void CKR5160View::StopMonitor() {
    m_stopMonitor.Request();
    if (!m_monitor.IsStarted())
        return;
    g_wakeEvent.Set();
    // A read under way (a slow console takes seconds for the fixed block) gives up at once;
    // a download stops before its next record, and an append under way ends whole.
    g_weatherComm.m_link->m_abandon = true;
    while (!m_monitorEnded)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    m_monitor.Join();
    g_weatherComm.m_link->m_abandon = false;
}
