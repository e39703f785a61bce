#include "controls/ScopeValue.h"

#include "tests/gui/GaugeSnapshot.h"

#include <gtest/gtest.h>

namespace {

TEST(ScopeValue, ShowsAStationTextAsItIsNeverAsMarkup) {
    const std::string text = "<b>12.5</b> °C";
    CScopeValue value;
    value.setText(QString::fromStdString(text));
    EXPECT_EQ(value.text().toStdString(), text);

    QLabel plain(QString::fromStdString(text));
    plain.setTextFormat(Qt::PlainText);
    QLabel markup(QString::fromStdString(text));
    const QImage shown = Snapshot(value, 120, 20);
    EXPECT_EQ(shown, Snapshot(plain, 120, 20));
    EXPECT_NE(shown, Snapshot(markup, 120, 20));
}

} // namespace
