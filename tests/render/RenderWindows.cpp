// Renders the program's windows in each language to PNG files, without a display:
//   render_windows [folder]     (default: the current folder)
// The main window comes first, as a first start shows it over the simulated console, then at a
// small screen's size (main-small); then each registered window (WindowPictures.h) is opened
// over it. Files: <name>-<lang>.png.

#include "app/MainFrm.h"
#include "app/core/Config.h"
#include "bench/WeatherGenerator.h"
#include "platform/SystemUtils.h"
#include "platform/qt/DesktopLocale.h"
#include "platform/qt/MessageBox.h"
#include "store/FDB.h"
#include "tests/render/WindowPictures.h"
#include "texts/Env.h"

#include <ctime>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QSize>
#include <QTemporaryDir>

namespace {

// Time for the link timer to connect and the monitor thread to show one reading.
constexpr int kSettleMs = 4000;
// Time for the link timer to connect.
constexpr int kLinkMs = 1500;
// The main window on a small screen, where its form scrolls.
constexpr QSize kSmallWindow{600, 330};
// A week of records at five minutes.
constexpr long kSampleWeek = 7 * 24 * 12;

const char* const kLanguageCodes[kLanguageCount] = {"en", "de", "da"};

std::vector<WindowPicture>& Pictures() {
    static std::vector<WindowPicture> pictures;
    return pictures;
}

void Settle(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Save(QWidget& window, const QDir& folder, const std::string& name, int lang) {
    const QString path = folder.filePath(
        QString("%1-%2.png").arg(QString::fromStdString(name), kLanguageCodes[lang]));
    if (!window.grab().save(path)) {
        qWarning("Cannot write %s", qPrintable(path));
        return false;
    }
    qInfo("%s", qPrintable(path));
    return true;
}

// The records of the last week, ending at the last five-minute mark before now.
bool StoreSampleWeek(const std::string& path) {
    const time_t now = std::time(nullptr);
    return WriteSampleDataFile(path, kSampleWeek, now - 1 - (now - 1) % kSampleIntervalSeconds);
}

} // namespace

WindowPictureRegistration::WindowPictureRegistration(WindowPicture picture) {
    Pictures().push_back(std::move(picture));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    KeepNumbersWithAPoint();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.mkpath(".")) {
        qWarning("Cannot make %s", qPrintable(folder.path()));
        return 1;
    }
    // The defaults of every setting (no configuration file is read from there), in test mode;
    // the main form finds its background picture in the program folder.
    LoadIniSettingsFrom(QDir::temp().filePath("no-such-folder").toStdString());
    g_testFlag = "true";
    SetUpConsoleLink(g_weatherComm);
    if (chdir(GetModuleDir().c_str()) != 0)
        qWarning("Cannot change to the program folder");
    // Data files of their own, so that nothing touches the program folder's: the main window
    // stores what its reading finds in an empty one; the other windows show a week of sample
    // records.
    const QTemporaryDir data;
    const std::string readingPath = data.filePath("reading.dat").toStdString();
    const std::string samplePath = data.filePath("sample.dat").toStdString();
    if (!StoreSampleWeek(samplePath))
        qWarning("Cannot write the sample records");
    // A new user's home, so that the pictures show none of the user's own files (the save-as
    // dialog starts in the documents folder) and the chart control is registered in there.
    const QTemporaryDir home;
    QDir(home.path()).mkpath("Documents");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    // Nobody is there to answer a message box: it is told on the console and taken as OK (or
    // No), so that a window that could not read the console still gets drawn.
    SetMessageBoxHook([](const MessageBoxRequest& request) {
        qWarning("Message box answered: %s", request.text.c_str());
        return (request.style & 0x0F) == kMbYesNo ? kIdNo : kIdOk;
    });

    bool saved = true;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        if (!UseQtTextsIn(lang))
            qWarning("Qt's translations for language %d are not installed", lang);
        {
            g_searchData = "true";
            g_fdb.Open(readingPath);
            CMainFrame frame;
            if (!frame.OnCreate())
                return 1;
            frame.InitialUpdateFrame();
            Settle(kSettleMs);
            saved = Save(frame, folder, "main", lang) && saved;
            frame.resize(kSmallWindow);
            Settle(300);
            saved = Save(frame, folder, "main-small", lang) && saved;
        }
        // The other windows over a frame without a monitor thread: the console is theirs alone,
        // and the data file holds the sample records only.
        g_fdb.Close();
        g_fdb.Open(samplePath);
        g_searchData = "false";
        CMainFrame frame;
        if (!frame.OnCreate())
            return 1;
        frame.InitialUpdateFrame();
        Settle(kLinkMs);
        for (const WindowPicture& picture : Pictures()) {
            if (!picture.translated && lang != 0)
                continue;
            const std::unique_ptr<QWidget> window = picture.open(frame);
            if (!window) {
                qWarning("Cannot open %s", picture.name.c_str());
                saved = false;
                continue;
            }
            window->show();
            Settle(300);
            saved = Save(*window, folder, picture.name, lang) && saved;
        }
        g_fdb.Close();
    }
    return saved ? 0 : 1;
}
