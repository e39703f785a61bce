// The program itself, started as a process of its own from a program folder of the test's own:
// how it ends when the system asks it to, and how it restarts in another language.
#include "app/KR5160.h"
#include "platform/qt/SingleInstance.h"
#include "station/console/WeatherRecord.h"
#include "station/link/SimulatedConsole.h"
#include "station/records/RecordLineFields.h"
#include "tests/gui/RuntimeFolder.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kBuildFolder = QFileInfo(TALVORIN_EXECUTABLE).absolutePath();

// Waits while handling this thread's events, so that nothing the test serves stalls.
template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

std::vector<std::string> Lines(const QString& path, bool& endsWithLineBreak) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    endsWithLineBreak = text.empty() || text.back() == '\n';
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

class ProgramRunTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        // The program finds its folder by its own file, so it runs from a copy of it.
        for (const char* name : {"Talvorin", "Talvorin.ocx", "Talvorin.bmp"})
            ASSERT_TRUE(QFile::copy(kBuildFolder + '/' + name, Path(name))) << name;
    }

    QString Path(const QString& name) const { return m_folder.path() + '/' + name; }

    void WriteIni(const std::string& text) {
        std::ofstream(Path("Talvorin.ini").toStdString()) << text;
    }

    // Whether a program holds the single-instance claim in the test's runtime folder.
    static bool IsInstanceRunning() {
        SingleInstance probe(CKR5160App::kInstanceName);
        return !probe.Claim();
    }

    ScopedRuntimeFolder m_runtime;
    QTemporaryDir m_folder;
};

// Whole lines only, each a record numbered on from 1.
void ExpectRecordsNumberedFromOne(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CWeatherRecord record;
        ASSERT_GE(ParseRecordLine(record, lines[i]), 40) << lines[i];
        ASSERT_EQ(std::stoi(record.recordNo), static_cast<int>(i + 1)) << lines[i];
    }
}

// A console that holds a full history ring. Read slowly (a record a third of a second), the ring
// would take twenty minutes: the program ends during the download when the system asks it to,
// within two seconds, and stores nothing of it; a second start meanwhile waits for that end and
// shows its own window; a later run stores every record of the ring once.
TEST_F(ProgramRunTest, SigtermDuringALongDownloadEndsTheProgramAtOnceAndTheNextRunStoresAll) {
    ASSERT_TRUE(QFile::copy(kBuildFolder + "/consoleemu.so", Path("usbbat.so")));
    ResetSimulatedConsole();
    constexpr int kStoredCount = 3264;
    g_simMemory[0x1B] = kStoredCount & 0xFF;
    g_simMemory[0x1C] = kStoredCount >> 8;
    std::ofstream(Path("console.bin").toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(g_simMemory), kSimMemorySize);
    WriteIni("[communication]\nTestFlag=false\nSearchData=true\n");
    const auto start = [&](QProcess& program, const char* readDelayUs) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CONSOLEEMU_MEMORY", Path("console.bin"));
        environment.insert("CONSOLEEMU_READ_DELAY_US", readDelayUs);
        // The fixed block takes eight commands, the live record one: then the download runs.
        environment.insert("CONSOLEEMU_MARK", Path("reading"));
        environment.insert("CONSOLEEMU_MARK_AFTER", "12");
        program.setProcessEnvironment(environment);
        program.start(Path("Talvorin"), {});
        return program.waitForStarted(5000);
    };
    const auto endsWithin = [](QProcess& program, int ms) {
        return WaitFor([&] { return program.state() == QProcess::NotRunning; }, ms) &&
               program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    };
    const QString title = CKR5160App::kInstanceName;
    SingleInstance asker(CKR5160App::kInstanceName);
    const auto answer = [&] { return asker.AskHolderToRaise(title, 500); };

    QProcess first;
    ASSERT_TRUE(start(first, "60000"));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("reading")); }, 30000))
        << first.readAllStandardError().toStdString();
    ASSERT_TRUE(WaitFor([&] { return answer() == SingleInstance::Answer::kRaised; }, 5000));
    EXPECT_EQ(QFileInfo(Path("Talvorin.dat")).size(), 0); // still reading

    const QDeadlineTimer twoSeconds(2000);
    ASSERT_EQ(kill(static_cast<pid_t>(first.processId()), SIGTERM), 0);
    // Once its window is gone, a second start comes.
    ASSERT_TRUE(WaitFor([&] { return answer() != SingleInstance::Answer::kRaised; }, 2000));
    QProcess second;
    ASSERT_TRUE(start(second, "60000"));
    EXPECT_TRUE(endsWithin(first, 2000));
    EXPECT_FALSE(twoSeconds.hasExpired()) << "ended within two seconds";
    bool endsWithLineBreak = false;
    EXPECT_TRUE(Lines(Path("Talvorin.dat"), endsWithLineBreak).empty())
        << "an abandoned download stores nothing";

    EXPECT_TRUE(WaitFor([&] { return answer() == SingleInstance::Answer::kRaised; }, 30000))
        << "the second start shows its window";
    EXPECT_EQ(second.state(), QProcess::Running);
    ASSERT_EQ(kill(static_cast<pid_t>(second.processId()), SIGINT), 0);
    EXPECT_TRUE(endsWithin(second, 2000));

    // A run with a console that answers at once stores the whole ring, each record once.
    QProcess third;
    ASSERT_TRUE(start(third, "0"));
    std::vector<std::string> lines;
    EXPECT_TRUE(WaitFor(
        [&] {
            lines = Lines(Path("Talvorin.dat"), endsWithLineBreak);
            return lines.size() >= static_cast<std::size_t>(kStoredCount - 1);
        },
        60000));
    ASSERT_EQ(kill(static_cast<pid_t>(third.processId()), SIGTERM), 0);
    EXPECT_TRUE(endsWithin(third, 2000));
    lines = Lines(Path("Talvorin.dat"), endsWithLineBreak);
    EXPECT_TRUE(endsWithLineBreak);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStoredCount - 1));
    ExpectRecordsNumberedFromOne(lines);
}

TEST_F(ProgramRunTest, ALanguageSwitchRestartsTheProgramInTheNewLanguage) {
    WriteIni("[config]\nlanguage=English\n[communication]\nTestFlag=true\nSearchData=false\n");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TALVORIN_SWITCH_LANGUAGE", "1");
    program.setProcessEnvironment(environment);
    // The new program inherits these and outlives this process object.
    program.setStandardOutputFile(Path("output.txt"));
    program.setStandardErrorFile(Path("output.txt"));
    program.start(Path("Talvorin"), {});
    ASSERT_TRUE(program.waitForStarted(5000));

    // The old program ends by itself, in its orderly way.
    ASSERT_TRUE(WaitFor([&] { return program.state() == QProcess::NotRunning; }, 30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    std::ifstream ini(Path("Talvorin.ini").toStdString());
    const std::string stored((std::istreambuf_iterator<char>(ini)),
                             std::istreambuf_iterator<char>());
    EXPECT_NE(stored.find("language=German"), std::string::npos) << stored;

    // The new one holds the claim and shows its frame titled in German (without the monitor
    // thread nothing renames it).
    SingleInstance asker(CKR5160App::kInstanceName);
    ASSERT_FALSE(asker.Claim());
    EXPECT_TRUE(WaitFor(
        [&] {
            return asker.AskHolderToRaise("Unbenannt - Talvorin", 1000) ==
                   SingleInstance::Answer::kRaised;
        },
        30000));
    EXPECT_EQ(asker.AskHolderToRaise("Untitled - Talvorin", 1000),
              SingleInstance::Answer::kNoSuchWindow);

    // It is no child of this test: it is found by its program file and asked to end.
    pid_t successor = 0;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        if (QFileInfo(QString("/proc/%1/exe").arg(entry)).symLinkTarget() == Path("Talvorin"))
            successor = entry.toInt();
    }
    ASSERT_GT(successor, 0);
    ASSERT_EQ(kill(successor, SIGTERM), 0);
    EXPECT_TRUE(WaitFor([] { return !IsInstanceRunning(); }, 30000));
}

} // namespace
