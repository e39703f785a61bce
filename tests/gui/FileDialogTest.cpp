#include "platform/qt/FileDialog.h"

#include "platform/qt/DesktopLocale.h"
#include "platform/qt/FileKindIcons.h"

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

} // namespace
