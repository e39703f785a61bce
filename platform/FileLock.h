#pragma once

#include <string>

// Exclusive whole-file locks between instances of the program, in place of an exclusive
// sharing mode when a file is opened, which this platform does not have. The locks are
// advisory: every instance takes one before it uses the file, so only one of them at a time
// has it open. A lock belongs to one open of the file (not to the process), so a second open
// in the same process is refused as well, and closing that open releases it.

// Takes the lock on the open file without waiting. False when another open of the file holds
// it, or when the file system refuses locks.
bool TryLockExclusive(int fd);

// Whether `fd` still is the regular file that `path` names. A lock taken on a file that was
// replaced meanwhile (a new file renamed over the path) guards nothing, so an opener checks
// this after locking.
bool IsFileAtPath(int fd, const std::string& path);
