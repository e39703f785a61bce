#pragma once

#include "app/core/Config.h"
#include "controls/HistoryListCtrl.h"
#include "dialogs/HistoryDlg.h"
#include "platform/qt/FileDialog.h"
#include "platform/qt/MessageBox.h"
#include "resources/ResourceIds.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/WeatherComm.h"
#include "station/values/TimeText.h"
#include "tests/core/DataFileFixture.h"
#include "tests/core/FixedClock.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedTimeZone.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>

// The history dialog over the simulated console of test mode and a data file of its own, in
// the time zone of central Europe with the clock stopped. Message boxes are answered by the
// test (Yes unless it says otherwise) and noted.
class HistoryDlgTest : public DataFileTest {
protected:
    HistoryDlgTest() {
        ResetSimulatedConsole();
        g_weatherComm.m_busy = false;
        EXPECT_TRUE(g_weatherComm.Connect());
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            return answer;
        });
    }
    ~HistoryDlgTest() override {
        SetMessageBoxHook({});
        SetSaveFileHook({});
        g_weatherComm.m_busy = false;
    }

    // Stores records five minutes apart, numbered from 1, the first at `first`.
    void StoreRecords(const std::string& first, int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            CWeatherRecord record =
                StoredRecord(std::to_string(i + 1), FormatRecordTime(TextToTime(first) + i * 300));
            record.indTemp = std::to_string(18 + i % 7) + ".5";
            lines.push_back(LineOf(record));
        }
        WriteLines(lines);
    }

    // The data file as it was found damaged: records 1 to 302 five minutes apart, 299 at
    // 2024-03-06 10:50 and 302 at 11:05, with garbage in place of line 300 and line 301 cut
    // short after its times. Returns its bytes.
    std::string StoreDamagedRecords() {
        StoreRecords("2024-03-05 10:00:00", 302);
        WriteBytes(DataPath(), WithDamagedLines(Bytes(), 300, 301));
        return Bytes();
    }

    // Opens the dialog at `now` as a modal run would set it up, and shows it.
    CHistoryDlg& Open(const std::string& now) {
        clock.emplace(TextToTime(now));
        dialog = std::make_unique<CHistoryDlg>();
        opened = dialog->Create();
        dialog->show();
        QApplication::processEvents();
        return *dialog;
    }

    CHistoryListCtrl& List() { return dialog->List(); }
    // What a pair of pickers shows, "%Y-%m-%d %H:%M:%S".
    std::string Shown(int dateId, int timeId) const {
        const auto* date = dialog->GetDlgItem<QDateTimeEdit>(dateId);
        const auto* time = dialog->GetDlgItem<QDateTimeEdit>(timeId);
        return (date->date().toString("yyyy-MM-dd") + " " + time->time().toString("HH:mm:ss"))
            .toStdString();
    }
    std::string Start() const { return Shown(IDC_HISTORY_START_DATE, IDC_HISTORY_START_TIME); }
    std::string End() const { return Shown(IDC_HISTORY_END_DATE, IDC_HISTORY_END_TIME); }
    // Picks a range item as the user does.
    void ChooseRange(int item) {
        QComboBox* combo = dialog->Combo(IDC_HISTORY_RANGE);
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    }
    void Click(int id) { dialog->GetDlgItem<QAbstractButton>(id)->click(); }
    // The record numbers the list shows, one after the other.
    std::string Numbers() {
        std::string numbers;
        for (int row = 0; row < List().RowCount(); ++row)
            numbers += (row ? " " : "") + List().CellText(row, 0);
        return numbers;
    }

    ScopedSimulatedLink testMode;
    ScopedTimeZone zone{"CET-1CEST,M3.5.0,M10.5.0/3"};
    std::optional<FixedClock> clock;
    std::vector<MessageBoxRequest> boxes;
    MessageBoxAnswer answer = kIdYes;
    std::unique_ptr<CHistoryDlg> dialog;
    bool opened = false;
};
