#pragma once

#include <string>

// Where a save-as dialog starts: where the user keeps files, never the program folder (the
// working folder), where files would be lost with the program. Kinds of file are told apart by
// their extension ("csv", "jpg"), each remembering its own folder for this run only. User
// interface thread only.

// The folder of the last file chosen as `kind` during this run while that folder exists, else
// the user's documents folder: the one the desktop names (XDG_DOCUMENTS_DIR in user-dirs.dirs of
// the configuration folder, ~/Documents when it names none) when it exists, else the home
// folder; without a home folder, the root of the file system.
std::string SaveFolderFor(const std::string& kind);

// The user chose `path` for a file of `kind`: the next dialog of that kind starts in its folder.
void RememberSaveFolder(const std::string& kind, const std::string& path);
