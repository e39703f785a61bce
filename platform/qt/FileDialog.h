#pragma once

#include <functional>
#include <memory>
#include <string>

class QFileDialog;
class QWidget;

// What a save-as file dialog is asked, in the terms the program writes it: the filter as pairs
// of a name and its patterns separated by '|' and ended by "||" ("CSV Files (*.csv)|*.csv|All
// Files (*.*)|*.*||"), the extension added to a name typed without one, and the name offered.
struct SaveFileRequest {
    std::string filter;
    std::string defaultExtension;
    std::string initialName;
    bool overwritePrompt = true; // ask before replacing an existing file
};

// Every save-as file dialog of the program goes through here. The dialog starts in the folder
// of the file last chosen with the same default extension, else in the user's documents folder
// (SaveFolderFor). Returns true with the full path chosen, false when the user cancelled.
bool ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request, std::string& path);

// The dialog ShowSaveFileDialog runs, made but not run: Qt's own save-as dialog in the folder
// ShowSaveFileDialog starts in, whose icons are chosen by name and kind only
// (FileKindIconProvider).
std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const SaveFileRequest& request);

// Tests answer the file dialogs instead of a person: while a hook is set it receives each
// request with the folder the dialog would start in, and its answer is returned without
// showing anything (true with a path, or false for Cancel). An empty function removes the hook.
using SaveFileHook = std::function<bool(const SaveFileRequest& request, const std::string& folder,
                                        std::string& path)>;
void SetSaveFileHook(SaveFileHook hook);
