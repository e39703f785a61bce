// The program itself, started as a process of its own from a program folder of the test's own:
// how soon it ends when the system asks it to, in each state it can be in, and how it restarts
// in another language.
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
#include <QTest>

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

// How long the program may take to end once the system asked it to, in every state.
constexpr int kEndMs = 1000;

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

    // Starts the program (or the copy of it named `file`) with these variables added to the
    // environment.
    bool Start(QProcess& program, const std::vector<std::pair<QString, QString>>& variables = {},
               const QString& file = "Talvorin") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : variables)
            environment.insert(name, value);
        program.setProcessEnvironment(environment);
        program.start(Path(file), {});
        return program.waitForStarted(5000);
    }

    // Sends `signal` to the program, which is to have ended by the deadline returned.
    static QDeadlineTimer Send(QProcess& program, int signal) {
        const QDeadlineTimer deadline(kEndMs);
        EXPECT_EQ(kill(static_cast<pid_t>(program.processId()), signal), 0);
        return deadline;
    }
    // Whether the program ended by `deadline`, in its orderly way.
    static bool EndsBy(QProcess& program, const QDeadlineTimer& deadline) {
        return WaitFor([&] { return program.state() == QProcess::NotRunning; },
                       static_cast<int>(deadline.remainingTime())) &&
               program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    }
    static bool EndsOn(QProcess& program, int signal) {
        return EndsBy(program, Send(program, signal));
    }

    // Whether the running program shows a window of exactly this title, asked until `timeoutMs`.
    bool Shows(const QString& title, int timeoutMs) const {
        return WaitFor(
            [&] { return m_asker.AskHolderToRaise(title, 500) == SingleInstance::Answer::kRaised; },
            timeoutMs);
    }

    // A console of the emulator in place of the USB library, holding `stored` records.
    void PlaceEmulatedConsole(int stored) {
        ASSERT_TRUE(QFile::copy(kBuildFolder + "/consoleemu.so", Path("usbbat.so")));
        ResetSimulatedConsole();
        g_simMemory[0x1B] = stored & 0xFF;
        g_simMemory[0x1C] = stored >> 8;
        std::ofstream(Path("console.bin").toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(g_simMemory), kSimMemorySize);
        WriteIni("[communication]\nTestFlag=false\nSearchData=true\n");
    }
    // The emulator's set-up for one start: every frame read takes `readDelayUs`, and the file
    // "reading" appears once the console took `markAfter` read commands.
    std::vector<std::pair<QString, QString>> Console(const char* readDelayUs,
                                                     const char* markAfter) const {
        return {{"CONSOLEEMU_MEMORY", Path("console.bin")},
                {"CONSOLEEMU_READ_DELAY_US", readDelayUs},
                {"CONSOLEEMU_MARK", Path("reading")},
                {"CONSOLEEMU_MARK_AFTER", markAfter}};
    }

    // Whether a program holds the single-instance claim in the test's runtime folder.
    static bool IsInstanceRunning() {
        SingleInstance probe(CKR5160App::kInstanceName);
        return !probe.Claim();
    }

    ScopedRuntimeFolder m_runtime;
    QTemporaryDir m_folder;
    SingleInstance m_asker{CKR5160App::kInstanceName};
};

// The window titles by which a test sees how far the program got.
const QString kFrameTitle = "Untitled - Talvorin"; // the frame, before the monitor thread's title
const QString kTestModeTitle = "Talvorin Radio Controlled(---TEST MODE---)";

// Whole lines only, each a record numbered on from 1.
void ExpectRecordsNumberedFromOne(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CWeatherRecord record;
        ASSERT_GE(ParseRecordLine(record, lines[i]), 40) << lines[i];
        ASSERT_EQ(std::stoi(record.recordNo), static_cast<int>(i + 1)) << lines[i];
    }
}

// In test mode, while the frame waits for the monitor thread's first pause to end, while the
// simulated console is read (the thread sets the title just before), and once it waits for the
// next reading.
TEST_F(ProgramRunTest, TestModeEndsWithinASecondInEveryState) {
    WriteIni("[communication]\nTestFlag=true\nSearchData=true\n");
    struct Moment {
        const char* state;
        QString title; // shown once the state is reached
        int laterMs;   // how much later the signal comes
        int signal;
    };
    const Moment moments[] = {
        {"starting", kFrameTitle, 0, SIGTERM},
        {"reading", kTestModeTitle, 0, SIGINT},
        {"idle", kTestModeTitle, 3000, SIGTERM},
    };
    for (const Moment& moment : moments) {
        QProcess program;
        ASSERT_TRUE(Start(program)) << moment.state;
        ASSERT_TRUE(Shows(moment.title, 30000)) << moment.state;
        QTest::qWait(moment.laterMs);
        EXPECT_TRUE(EndsOn(program, moment.signal)) << moment.state;
    }
}

// With a real console: once the records are stored and the thread waits for the next reading,
// and while a slow console (half a second a frame) is asked for its settings block.
TEST_F(ProgramRunTest, ARealConsoleEndsWithinASecondWhenIdleAndWhenSlow) {
    constexpr int kStoredCount = 4;
    PlaceEmulatedConsole(kStoredCount);
    bool endsWithLineBreak = false;
    QProcess idle;
    ASSERT_TRUE(Start(idle, Console("0", "1")));
    ASSERT_TRUE(WaitFor(
        [&] {
            return Lines(Path("Talvorin.dat"), endsWithLineBreak).size() ==
                   static_cast<std::size_t>(kStoredCount - 1);
        },
        30000));
    QTest::qWait(500); // the summary, then the wait for the next reading
    EXPECT_TRUE(EndsOn(idle, SIGTERM));

    QFile::remove(Path("reading"));
    QProcess slow;
    ASSERT_TRUE(Start(slow, Console("500000", "1")));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("reading")); }, 30000));
    EXPECT_TRUE(EndsOn(slow, SIGINT));
}

// A console that holds a full history ring. Read slowly (a record a third of a second), the ring
// would take twenty minutes: the program ends during the download when the system asks it to,
// within a second, and stores nothing of it; a second start meanwhile waits for that end and
// shows its own window; a later run stores every record of the ring once.
TEST_F(ProgramRunTest, SigtermDuringALongDownloadEndsTheProgramAtOnceAndTheNextRunStoresAll) {
    constexpr int kStoredCount = 3264;
    PlaceEmulatedConsole(kStoredCount);
    // The fixed block takes eight commands, the live record one: then the download runs.
    const auto slowConsole = Console("60000", "12");
    const QString title = CKR5160App::kInstanceName;
    const auto answer = [&] { return m_asker.AskHolderToRaise(title, 500); };

    QProcess first;
    ASSERT_TRUE(Start(first, slowConsole));
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("reading")); }, 30000))
        << first.readAllStandardError().toStdString();
    ASSERT_TRUE(Shows(title, 5000));
    EXPECT_EQ(QFileInfo(Path("Talvorin.dat")).size(), 0); // still reading

    const QDeadlineTimer ending = Send(first, SIGTERM);
    // Once its window is gone, a second start comes.
    ASSERT_TRUE(WaitFor([&] { return answer() != SingleInstance::Answer::kRaised; }, kEndMs));
    QProcess second;
    ASSERT_TRUE(Start(second, slowConsole));
    EXPECT_TRUE(EndsBy(first, ending));
    bool endsWithLineBreak = false;
    EXPECT_TRUE(Lines(Path("Talvorin.dat"), endsWithLineBreak).empty())
        << "an abandoned download stores nothing";

    EXPECT_TRUE(Shows(title, 30000)) << "the second start shows its window";
    EXPECT_EQ(second.state(), QProcess::Running);
    EXPECT_TRUE(EndsOn(second, SIGINT));

    // A run with a console that answers at once stores the whole ring, each record once.
    QProcess third;
    ASSERT_TRUE(Start(third, Console("0", "12")));
    std::vector<std::string> lines;
    EXPECT_TRUE(WaitFor(
        [&] {
            lines = Lines(Path("Talvorin.dat"), endsWithLineBreak);
            return lines.size() >= static_cast<std::size_t>(kStoredCount - 1);
        },
        60000));
    EXPECT_TRUE(EndsOn(third, SIGTERM));
    lines = Lines(Path("Talvorin.dat"), endsWithLineBreak);
    EXPECT_TRUE(endsWithLineBreak);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kStoredCount - 1));
    ExpectRecordsNumberedFromOne(lines);
}

// The console's settings block as the emulator holds it now (the whole memory file once written).
std::vector<std::uint8_t> SettingsBlock(const QString& memoryFile) {
    QFile file(memoryFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray block = file.read(256);
    return {block.begin(), block.end()};
}

// Setup over a slow console, a tenth of a second a frame, as a user opens it and saves a change:
// asked to end while Setup reads, the program abandons the read and ends within a second; asked
// while it writes the settings block, it finishes the block and then ends at once. The console
// holds the old block or the whole new one, never a mix.
TEST_F(ProgramRunTest, SigtermWhileSetupReadsOrSavesEndsAtOnceAndNeverLeavesHalfABlock) {
    ASSERT_TRUE(QFile::copy(QString(TALVORIN_DRIVEN_EXECUTABLE), Path("Driven")));
    PlaceEmulatedConsole(1);
    WriteIni("[communication]\nTestFlag=false\nSearchData=false\n");
    const QString memory = Path("console.bin");
    const std::vector<std::uint8_t> oldBlock = SettingsBlock(memory);
    ASSERT_EQ(oldBlock.size(), 256u);
    const auto start = [&](QProcess& program, const char* steps, const char* readDelayUs,
                           const char* markAfter) {
        auto variables = Console(readDelayUs, markAfter);
        variables.push_back({"CONSOLEEMU_KEEP", "1"});
        variables.push_back({"TALVORIN_DRIVE", steps});
        return Start(program, variables, "Driven");
    };
    const auto restoreConsole = [&] {
        QFile file(memory);
        return file.open(QIODevice::ReadWrite) &&
               file.write(reinterpret_cast<const char*>(oldBlock.data()), 256) == 256;
    };

    // The block a save writes, from a console that answers at once.
    QProcess reference;
    ASSERT_TRUE(start(reference, "setup-save", "0", "1"));
    ASSERT_TRUE(WaitFor([&] { return SettingsBlock(memory) != oldBlock; }, 30000));
    QTest::qWait(1000); // the rest of the write
    EXPECT_TRUE(EndsOn(reference, SIGTERM));
    const std::vector<std::uint8_t> newBlock = SettingsBlock(memory);
    // The change reaches the units, the pressures and the thresholds: the first three of the
    // eight 32-byte blocks, so that a write cut short leaves a mix.
    for (int block = 0; block < 3; ++block)
        ASSERT_NE(std::vector(newBlock.begin() + block * 32, newBlock.begin() + block * 32 + 32),
                  std::vector(oldBlock.begin() + block * 32, oldBlock.begin() + block * 32 + 32))
            << block;

    struct Moment {
        const char* state;
        const char* steps;
        const char* markAfter; // the console's command after which the signal comes
        bool written;
    };
    // The opening read takes commands 1-8, the save's fresh read 9-16 and its write 17-24. The
    // write takes eight acknowledgements, each a frame after a pause of 50 ms.
    constexpr int kBlockWriteMs = 8 * (50 + 100);
    const Moment moments[] = {
        {"opening read", "setup", "2", false},
        {"save's read", "setup-save", "10", false},
        {"save's write", "setup-save", "17", true},
    };
    for (const Moment& moment : moments) {
        ASSERT_TRUE(restoreConsole()) << moment.state;
        QFile::remove(Path("reading"));
        QProcess program;
        ASSERT_TRUE(start(program, moment.steps, "100000", moment.markAfter)) << moment.state;
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(Path("reading")); }, 30000)) << moment.state;
        const QDeadlineTimer ending = Send(program, SIGTERM);
        EXPECT_TRUE(EndsBy(program, moment.written
                                        ? QDeadlineTimer(ending.remainingTime() + kBlockWriteMs)
                                        : ending))
            << moment.state;
        // A program late to end is let end, so that what it did meanwhile shows.
        WaitFor([&] { return program.state() == QProcess::NotRunning; }, 15000);
        EXPECT_EQ(program.exitCode(), 0) << moment.state << program.readAllStandardError().data();
        EXPECT_EQ(SettingsBlock(memory), moment.written ? newBlock : oldBlock) << moment.state;
    }
}

// Without its control file the program says at start that it needs administrator privilege. A
// request to end closes that message as its OK would, and the program ends without opening its
// window.
TEST_F(ProgramRunTest, SigtermWhileTheStartUpMessageIsShownEndsTheProgram) {
    ASSERT_TRUE(QFile::remove(Path("Talvorin.ocx")));
    WriteIni("[communication]\nTestFlag=true\nSearchData=true\n");
    QProcess program;
    ASSERT_TRUE(Start(program));
    ASSERT_TRUE(Shows("Talvorin", 30000)) << "the message, under the application title";
    EXPECT_EQ(m_asker.AskHolderToRaise(kFrameTitle, 500), SingleInstance::Answer::kNoSuchWindow);
    EXPECT_TRUE(EndsOn(program, SIGTERM));
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
    ASSERT_TRUE(IsInstanceRunning());
    EXPECT_TRUE(Shows("Unbenannt - Talvorin", 30000));
    EXPECT_EQ(m_asker.AskHolderToRaise(kFrameTitle, 1000), SingleInstance::Answer::kNoSuchWindow);

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
