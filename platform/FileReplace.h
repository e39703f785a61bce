#pragma once

#include "platform/FileDescriptor.h"

#include <functional>
#include <string>
#include <string_view>

// Replaces the contents of a file so that a crash or a power cut at any moment leaves
// either the old or the new contents under its name, never a part of either: the new
// contents go into a temporary file in the same folder (a rename never leaves the file
// system), are forced to the disk and renamed over the name; then the folder is synced so
// that the rename itself survives.
//
// `current` is the file open under `path` now; the new file takes its permission bits.
// `writeContents` writes the new contents to the descriptor it is given (positioned at 0)
// and reports whether every write succeeded. The new file is locked exclusively before it
// takes the name, so that no other instance can open it between the rename and the moment
// the caller closes `current`. (Every temporary file is locked while it is written.)
//
// Returns the new file, open for reading and writing and locked. On any failure the result
// is invalid, the file under `path` is untouched and the temporary file is gone.
UniqueFd ReplaceFileContents(const std::string& path, int current,
                             const std::function<bool(int fd)>& writeContents);

// Replaces the file at `path` (which need not exist yet) by `contents`, the same crash-safe
// way. An existing file keeps its permission bits, a new one gets rw-r--r--.
bool ReplaceFileWith(const std::string& path, std::string_view contents);

// Deletes the temporary files that replacements of `path` left behind when the program died
// in the middle of one. Call it only while holding the lock of `path`: nobody else can be
// replacing the file then.
void RemoveAbandonedReplacements(const std::string& path);

// Deletes, in the folder where a replacement of `path` writes its temporary file, every
// temporary file that a replacement of any file there left behind when the program died in the
// middle of it: the regular files named "<name>.replace-XXXXXX" that nobody holds locked (a
// replacement under way keeps its temporary file locked). Other files stay, whatever their
// names.
void RemoveAbandonedTemporariesBeside(const std::string& path);
