#include "platform/qt/FileKindIcons.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon FileKindIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString FileKindIconProvider::type(const QFileInfo& info) const {
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return type.comment().isEmpty() ? type.name() : type.comment();
}
