#include "platform/qt/SaveFolders.h"

#include <map>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

std::map<std::string, std::string>& LastFolders() {
    static std::map<std::string, std::string> folders;
    return folders;
}

bool IsFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// Qt reads the desktop's user-dirs.dirs anew at every call, so a folder named or created while
// the program runs counts at the next dialog.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (IsFolder(documents))
        return documents;
    // HOME unset or naming no folder: the root, where the user can reach every folder, rather
    // than the working folder, which is the program folder.
    const QString home = QDir::homePath();
    return IsFolder(home) ? home : QDir::rootPath();
}

} // namespace

std::string SaveFolderFor(const std::string& kind) {
    const auto last = LastFolders().find(kind);
    if (last != LastFolders().end() && IsFolder(QString::fromStdString(last->second)))
        return last->second;
    return DocumentsFolder().toStdString();
}

void RememberSaveFolder(const std::string& kind, const std::string& path) {
    LastFolders()[kind] = QFileInfo(QString::fromStdString(path)).absolutePath().toStdString();
}
