// Renders the main window and the About box in each language to PNG files, without a display:
//   render_windows [folder]     (default: the current folder)
// The console is the simulated one, so the main window shows what a first start shows.

#include "app/AboutDlg.h"
#include "app/Config.h"
#include "app/MainFrm.h"
#include "store/FDB.h"
#include "store/SystemUtils.h"
#include "texts/Env.h"

#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>

namespace {

// Time for the link timer to connect and the monitor thread to show one reading.
constexpr int kSettleMs = 4000;

const char* const kLanguageNames[kLanguageCount] = {"English", "German", "Danish"};

void Settle(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool Save(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        qWarning("Cannot write %s", qPrintable(path));
        return false;
    }
    qInfo("%s", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!folder.mkpath(".")) {
        qWarning("Cannot make %s", qPrintable(folder.path()));
        return 1;
    }
    // The defaults of every setting (no configuration file is read from there), in test mode;
    // the main form finds its background picture in the program folder.
    LoadIniSettingsFrom(QDir::temp().filePath("no-such-folder").toStdString());
    g_testFlag = "true";
    if (chdir(GetModuleDir().c_str()) != 0)
        qWarning("Cannot change to the program folder");
    // A data file of its own, so that the pictures show the records stored by the reading
    // without touching the program folder's data file.
    const QTemporaryDir data;
    g_fdb.Open(data.filePath("Talvorin.dat").toStdString());

    bool saved = true;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        CMainFrame frame;
        if (!frame.OnCreate())
            return 1;
        frame.InitialUpdateFrame();
        Settle(kSettleMs);
        saved = Save(frame, folder, QString("main-%1.png").arg(kLanguageNames[lang])) && saved;

        CAboutDlg about(&frame);
        about.OnInitDialog();
        about.show();
        Settle(200);
        saved = Save(about, folder, QString("about-%1.png").arg(kLanguageNames[lang])) && saved;
    }
    g_fdb.Close();
    return saved ? 0 : 1;
}
