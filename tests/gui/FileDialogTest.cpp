#include "platform/qt/FileDialog.h"

#include "platform/qt/DesktopLocale.h"
#include "platform/qt/FileKindIcons.h"
#include "tests/gui/FreshHome.h"

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeDatabase>
#include <QTemporaryDir>

namespace {

const SaveFileRequest kJpegFile{"JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*||", "jpg",
                                "Talvorin.jpg"};

bool SameIcon(const QIcon& a, const QIcon& b) {
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

TEST(FileDialog, TheSaveAsDialogIsQtsOwnWithTheProviderThatReadsNoFile) {
    const auto dialog = MakeSaveFileDialog(nullptr, kJpegFile);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_NE(dynamic_cast<const FileKindIconProvider*>(dialog->iconProvider()), nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), "jpg");
    EXPECT_EQ(dialog->nameFilters(), QStringList({"JPEG Files (*.jpg)", "All Files (*.*)"}));
}

// A pipe nobody writes to: reading a byte of it never returns, as with /proc/kmsg. Only the
// name and the kind may decide its icon and type.
TEST(FileDialog, IconsAndTypesComeFromTheKindAndTheNameAlone) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pipe = folder.filePath("reading.jpg");
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QString plain = folder.filePath("kmsg");
    ASSERT_EQ(mkfifo(plain.toLocal8Bit().constData(), 0600), 0);

    const FileKindIconProvider icons;
    EXPECT_TRUE(SameIcon(icons.icon(QFileInfo(folder.path())),
                         icons.icon(QAbstractFileIconProvider::Folder)));
    EXPECT_TRUE(SameIcon(icons.icon(QFileInfo("/")), icons.icon(QAbstractFileIconProvider::Drive)));
    EXPECT_TRUE(SameIcon(icons.icon(QFileInfo(pipe)), icons.icon(QAbstractFileIconProvider::File)));
    EXPECT_EQ(icons.type(QFileInfo(folder.path())), "Folder");
    EXPECT_EQ(icons.type(QFileInfo(pipe)), "Unknown") << "a pipe is no file";
    EXPECT_EQ(icons.type(QFileInfo(plain)), "Unknown");

    // A file's type is the one its name gives, in the MIME database's words, whatever it holds.
    const QString jpeg = folder.filePath("chart.jpg");
    QFile file(jpeg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no picture at all");
    file.close();
    const QMimeDatabase types;
    EXPECT_EQ(icons.type(QFileInfo(jpeg)), types.mimeTypeForName("image/jpeg").comment());
    // A regular file of /proc whose reading never ends.
    EXPECT_TRUE(
        SameIcon(icons.icon(QFileInfo("/proc/kmsg")), icons.icon(QAbstractFileIconProvider::File)));
    EXPECT_EQ(icons.type(QFileInfo("/proc/kmsg")),
              types.mimeTypeForName("application/octet-stream").comment());
}

QString LabelText(const QFileDialog& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

TEST(FileDialog, QtsOwnTextsSpeakTheProgramsLanguage) {
    const struct {
        int lang;
        const char* lookIn;
        const char* fileName;
    } languages[] = {{1, "Suchen in:", "Datei&name:"},
                     {2, "Kig i:", "&Filnavn:"},
                     {0, "Look in:", "File &name:"}};
    for (const auto& texts : languages) {
        ASSERT_TRUE(UseQtTextsIn(texts.lang));
        const auto dialog = MakeSaveFileDialog(nullptr, kJpegFile);
        EXPECT_EQ(LabelText(*dialog, "lookInLabel"), QString::fromUtf8(texts.lookIn));
        EXPECT_EQ(LabelText(*dialog, "fileNameLabel"), QString::fromUtf8(texts.fileName));
    }
}

std::string StartFolder(const QFileDialog& dialog) {
    return dialog.directory().absolutePath().toStdString();
}
std::string OfferedFile(const QFileDialog& dialog) {
    return dialog.selectedFiles().value(0).toStdString();
}

// A new user's first save dialog: in the documents folder the desktop names, ~/Documents when
// it names none, else in the home folder, and without a home in the root; never in the working
// folder (the program folder), where accepting the offered name would put the file.
TEST(FileDialog, AFirstSaveDialogStartsInTheUsersDocumentsFolder) {
    const struct {
        const char* userDirs; // the desktop's user-dirs.dirs, nullptr for none
        const char* created;  // a folder in the home folder, nullptr for none
        const char* start;    // where the dialog starts, in the home folder ("" is home itself)
    } cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
         "Dokumente", "/Dokumente"},
        {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "Documents", ""}, // named, but missing
        {nullptr, "Documents", "/Documents"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases) {
        const FreshHome home;
        if (c.userDirs)
            home.WriteUserDirs(c.userDirs);
        if (c.created)
            std::filesystem::create_directory(home.Path(c.created));
        const auto dialog = MakeSaveFileDialog(nullptr, kJpegFile);
        EXPECT_EQ(StartFolder(*dialog), home.Path() + c.start) << c.start;
        EXPECT_EQ(OfferedFile(*dialog), home.Path() + c.start + "/Talvorin.jpg");
    }

    const FreshHome home;
    const testenv::ScopedEnv gone("HOME", home.Path("gone"));
    EXPECT_EQ(StartFolder(*MakeSaveFileDialog(nullptr, kJpegFile)), "/");
}

// The folder a file was last chosen in is where the next dialog of its kind starts, as long as
// the folder is there; Cancel changes nothing.
TEST(FileDialog, TheNextDialogStartsWhereTheLastFileWasChosen) {
    const FreshHome home;
    const std::string documents = home.NameDocumentsFolder("Dokumente");
    for (const char* folder : {"charts", "cancelled"})
        std::filesystem::create_directory(home.Path(folder));
    std::vector<std::string> started;
    std::string answer = home.Path("charts/chart.jpg");
    SetSaveFileHook([&](const SaveFileRequest&, const std::string& folder, std::string& path) {
        started.push_back(folder);
        path = answer;
        return answer.find("cancelled") == std::string::npos;
    });
    std::string path;
    EXPECT_TRUE(ShowSaveFileDialog(nullptr, kJpegFile, path));
    answer = home.Path("cancelled/chart.jpg");
    EXPECT_FALSE(ShowSaveFileDialog(nullptr, kJpegFile, path));
    SetSaveFileHook({});
    EXPECT_EQ(started, (std::vector<std::string>{documents, home.Path("charts")}));
    const auto dialog = MakeSaveFileDialog(nullptr, kJpegFile);
    EXPECT_EQ(StartFolder(*dialog), home.Path("charts"));
    EXPECT_EQ(OfferedFile(*dialog), home.Path("charts/Talvorin.jpg"));

    std::filesystem::remove(home.Path("charts"));
    EXPECT_EQ(StartFolder(*MakeSaveFileDialog(nullptr, kJpegFile)), documents);
}

} // namespace
