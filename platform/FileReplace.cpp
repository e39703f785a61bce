#include "platform/FileReplace.h"

#include "platform/FileLock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporary files are named "<name>.replace-XXXXXX", the X filled in by mkostemp.
constexpr std::string_view kTemporaryMark = ".replace-";
constexpr std::string_view kUniqueSuffix = "XXXXXX";

bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    return entry.size() == name.size() + kTemporaryMark.size() + kUniqueSuffix.size() &&
           entry.starts_with(name) && entry.substr(name.size()).starts_with(kTemporaryMark);
}

// "<name>.replace-XXXXXX" of any name, the X as mkostemp fills them in: letters and digits.
bool IsTemporary(std::string_view entry) {
    const std::size_t tail = kTemporaryMark.size() + kUniqueSuffix.size();
    if (entry.size() <= tail)
        return false;
    const std::string_view unique = entry.substr(entry.size() - kUniqueSuffix.size());
    // Tested by hand: a locale's letters are not mkostemp's.
    return entry.substr(entry.size() - tail).starts_with(kTemporaryMark) &&
           std::all_of(unique.begin(), unique.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
           });
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Deletes the entries of the folder of `path` that `isAbandoned` picks.
template <typename Pick>
void RemoveFromFolderOf(const std::string& path, Pick isAbandoned) {
    DIR* folder = opendir(FolderOf(path).c_str());
    if (!folder)
        return;
    while (const dirent* entry = readdir(folder))
        if (isAbandoned(dirfd(folder), entry->d_name))
            unlinkat(dirfd(folder), entry->d_name, 0);
    closedir(folder);
}

// Makes the entries of the folder holding `path` durable, a rename in it among them.
bool SyncFolderOf(const std::string& path) {
    const UniqueFd folder(open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return folder.IsValid() && fsync(folder.Get()) == 0;
}

// The name a replacement takes: a symbolic link stays a link, and the file it leads to is
// replaced (beside that file, so the rename stays within one file system).
std::string ReplacedName(const std::string& path) {
    char* real = realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string resolved(real);
    std::free(real);
    return resolved;
}

// Writes the replacement into a temporary file beside the file and renames it over its name.
// Returns the new file, still open, or an invalid descriptor with the file untouched.
UniqueFd WriteReplacement(const std::string& name, mode_t mode,
                          const std::function<bool(int fd)>& writeContents) {
    const std::string path = ReplacedName(name);
    std::string temporary = path;
    temporary.append(kTemporaryMark).append(kUniqueSuffix);
    UniqueFd file(mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.IsValid())
        return {};
    // Locked from the start, so that a clean-up of abandoned temporaries leaves it alone.
    const bool written = fchmod(file.Get(), mode) == 0 && TryLockExclusive(file.Get()) &&
                         writeContents(file.Get()) && fsync(file.Get()) == 0 &&
                         rename(temporary.c_str(), path.c_str()) == 0;
    if (!written) {
        unlink(temporary.c_str());
        return {};
    }
    // The new contents are under the name now; a failed folder sync only leaves the rename
    // less certain to survive a power cut, the old contents would come back then.
    SyncFolderOf(path);
    return file;
}

} // namespace

UniqueFd ReplaceFileContents(const std::string& path, int current,
                             const std::function<bool(int fd)>& writeContents) {
    struct stat old;
    if (fstat(current, &old) != 0)
        return {};
    return WriteReplacement(path, old.st_mode & 07777, writeContents);
}

bool ReplaceFileWith(const std::string& path, std::string_view contents) {
    struct stat old;
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    return WriteReplacement(
               path, mode,
               [contents](int fd) { return WriteAll(fd, contents.data(), contents.size()); })
        .IsValid();
}

void RemoveAbandonedReplacements(const std::string& dataPath) {
    const std::string path = ReplacedName(dataPath);
    const std::string name = NameOf(path);
    RemoveFromFolderOf(path,
                       [&name](int, const char* entry) { return IsTemporaryOf(entry, name); });
}

void RemoveAbandonedTemporariesBeside(const std::string& path) {
    RemoveFromFolderOf(ReplacedName(path), [](int folder, const char* entry) {
        if (!IsTemporary(entry))
            return false;
        const UniqueFd file(openat(folder, entry, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        return file.IsValid() && fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode) &&
               TryLockExclusive(file.Get());
    });
}
