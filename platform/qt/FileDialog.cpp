#include "platform/qt/FileDialog.h"

#include "platform/qt/FileKindIcons.h"
#include "platform/qt/SaveFolders.h"

#include <QFileDialog>
#include <QStringList>

namespace {

SaveFileHook& Hook() {
    static SaveFileHook hook;
    return hook;
}

// "Name|patterns|Name|patterns||" as Qt's name filters, "Name (patterns)", the patterns
// separated by blanks; a name that shows its patterns already is kept as it is.
QStringList NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        filters << (parts[i].endsWith(u'(' + patterns + u')')
                        ? parts[i]
                        : parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return filters;
}

bool RunSaveFileDialog(QWidget* parent, const SaveFileRequest& request, std::string& path) {
    const std::unique_ptr<QFileDialog> dialog = MakeSaveFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    path = dialog->selectedFiles().first().toStdString();
    return true;
}

} // namespace

void SetSaveFileHook(SaveFileHook hook) {
    Hook() = std::move(hook);
}

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const SaveFileRequest& request) {
    static FileKindIconProvider icons;
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog, not the desktop's: only it takes the icon provider, and its texts come
    // from the Qt translations the program loads.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(&icons);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters(NameFilters(request.filter));
    dialog->setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    // Given only a name, Qt's dialog would open in the working folder, the program folder.
    dialog->setDirectory(QString::fromStdString(SaveFolderFor(request.defaultExtension)));
    dialog->selectFile(QString::fromStdString(request.initialName));
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    return dialog;
}

bool ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request, std::string& path) {
    const bool chosen = Hook() ? Hook()(request, SaveFolderFor(request.defaultExtension), path)
                               : RunSaveFileDialog(parent, request, path);
    if (chosen)
        RememberSaveFolder(request.defaultExtension, path);
    return chosen;
}
