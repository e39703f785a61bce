#pragma once

#include <QFileIconProvider>

// Icons and type names of a file dialog's entries chosen by name and kind alone (drive, folder,
// file), without opening the file: Qt's own provider reads a file's first bytes to learn its
// type, and on a device or pipe, /proc/kmsg for one, that read never returns.
class FileKindIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    // "Folder" and the like for what is no file; for a file, the name of its type as its
    // extension tells it.
    QString type(const QFileInfo& info) const override;
};
