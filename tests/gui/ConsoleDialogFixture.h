#pragma once

#include "app/core/Config.h"
#include "platform/qt/Dialog.h"
#include "platform/qt/MessageBox.h"
#include "station/console/WeatherSet.h"
#include "station/link/SimulatedConsole.h"
#include "station/link/WeatherComm.h"
#include "tests/core/FixedBlockSamples.h"
#include "tests/core/ScopedNumericLocale.h"
#include "tests/core/ScopedSimulatedLink.h"
#include "tests/core/ScopedValue.h"
#include "tests/emulator/EmulatorModule.h"
#include "tests/gui/ScopedDesktopLocale.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

// The console dialogs over the simulated console of test mode. Every message box is noted and
// answered: questions by the answers queued (Yes when none is), messages with OK.
class ConsoleDialogTest : public testing::Test {
protected:
    ConsoleDialogTest() {
        ResetSimulatedConsole();
        g_weatherComm.m_busy = false;
        EXPECT_TRUE(g_weatherComm.Connect());
        SetMessageBoxHook([this](const MessageBoxRequest& request) {
            boxes.push_back(request);
            if (!(request.style & kMbYesNo))
                return kIdOk;
            if (answers.empty())
                return kIdYes;
            const MessageBoxAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~ConsoleDialogTest() override {
        SetMessageBoxHook({});
        g_weatherComm.m_busy = false;
    }

    // The console's fixed block as it is now, and changed by `change`.
    static FixedBlock ConsoleBlock() {
        FixedBlock block;
        std::copy_n(g_simMemory, block.size(), block.begin());
        return block;
    }
    static CWeatherSettings ConsoleSettings() { return Decoded(ConsoleBlock()); }
    template <class Change>
    static void ChangeConsole(Change change) {
        CWeatherSettings settings = ConsoleSettings();
        change(settings);
        const FixedBlock block = Encoded(settings);
        std::copy(block.begin(), block.end(), g_simMemory);
    }

    // `count` bytes of the console's memory from `address`.
    static std::vector<std::uint8_t> ConsoleBytes(std::size_t address, std::size_t count) {
        return {g_simMemory + address, g_simMemory + address + count};
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : boxes)
            texts.push_back(box.text);
        return texts;
    }

public:
    // The user's hand on the controls.
    static void Pick(CDialog& dialog, int id, const std::string& item) {
        QComboBox* combo = dialog.Combo(id);
        ASSERT_NE(combo, nullptr) << id;
        const int index = combo->findText(QString::fromStdString(item));
        ASSERT_GE(index, 0) << item;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void Type(CDialog& dialog, int id, const std::string& text) {
        auto* edit = dialog.GetDlgItem<QLineEdit>(id);
        ASSERT_NE(edit, nullptr) << id;
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    static void Leave(CDialog& dialog, int id) {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(dialog.GetDlgItem(id), &focusOut);
    }
    static void Click(CDialog& dialog, int id) {
        auto* button = dialog.GetDlgItem<QAbstractButton>(id);
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    // Clicks the button that writes to the console: whether that ended the dialog with OK.
    static bool ClickEndsWithOk(CDialog& dialog, int id) {
        Click(dialog, id);
        return !dialog.isVisible() && dialog.result() == IDOK;
    }
    static void Open(CDialog& dialog) {
        ASSERT_TRUE(dialog.Create());
        dialog.show();
    }
    // Runs `test` on a German and a Danish desktop, whose numbers have a decimal comma, with the
    // program in each of its languages; `test` is given the two as a text for its messages.
    template <class Test>
    static void ForEachCommaDesktop(Test test) {
        const struct {
            const char* locale;
            int lang;
        } desktops[] = {{kCommaLocales[0], 1}, {kCommaLocales[1], 2}, {kCommaLocales[1], 0}};
        for (const auto& desktop : desktops) {
            const ScopedDesktopLocale locale(desktop.locale);
            ASSERT_TRUE(locale.IsSet()) << desktop.locale << " is not installed";
            const ScopedValue<int> language(g_lang, desktop.lang);
            test(std::string(desktop.locale) + " language " + std::to_string(desktop.lang));
        }
    }

protected:
    ScopedSimulatedLink m_testMode;
    std::vector<MessageBoxRequest> boxes;
    std::deque<MessageBoxAnswer> answers;
};

// The same dialogs over the frame-level console emulator, which can fail.
class EmulatedConsoleDialogTest : public ConsoleDialogTest {
protected:
    EmulatedConsoleDialogTest() {
        m_emulator.SetMemory(
            0, std::vector<std::uint8_t>(kSimulatedBlock.begin(), kSimulatedBlock.end()));
        EXPECT_TRUE(m_comm.Connect());
    }
    FixedBlock EmulatedBlock() {
        const std::vector<std::uint8_t> bytes = m_emulator.Memory(0, kFixedBlockSize);
        FixedBlock block;
        std::copy(bytes.begin(), bytes.end(), block.begin());
        return block;
    }

    ConsoleEmulator m_emulator;
    CWeatherComm m_comm{EmulatorLink(), kEmulatorIds};
};
