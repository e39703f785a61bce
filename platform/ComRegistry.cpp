#include "platform/ComRegistry.h"

#include "platform/Profile.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

constexpr const char* kClassIdKey = "CLSID";
constexpr std::size_t kClassIdLength = 38;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Creates every missing folder of `path` up to its last '/', private to the user as the
// configuration folder should be.
bool MakeParentFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        if (mkdir(path.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

} // namespace

std::string ComRegistryPath() {
    const std::string explicitPath = Environment("TALVORIN_REGISTRY");
    if (!explicitPath.empty())
        return explicitPath;
    // The configuration folder must be an absolute path; anything else is ignored.
    std::string folder = Environment("XDG_CONFIG_HOME");
    if (!folder.starts_with('/')) {
        const std::string home = Environment("HOME");
        if (!home.starts_with('/'))
            return "";
        folder = home + "/.config";
    }
    return folder + "/talvorin/registry.ini";
}

bool IsClassIdText(const std::string& text) {
    if (text.size() != kClassIdLength || text.front() != '{' || text.back() != '}')
        return false;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const bool dashPlace = i == 9 || i == 14 || i == 19 || i == 24;
        const bool ok =
            dashPlace ? text[i] == '-' : std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
        if (!ok)
            return false;
    }
    return true;
}

bool RegisterProgId(const std::string& progId, const std::string& classId) {
    const std::string path = ComRegistryPath();
    return IsClassIdText(classId) && !path.empty() && MakeParentFolders(path) &&
           WriteProfileString(path, progId, kClassIdKey, classId);
}

bool ClassIdFromProgId(const std::string& progId, std::string& classId) {
    const std::string path = ComRegistryPath();
    if (path.empty() || progId.empty())
        return false;
    const std::string found = ReadProfileString(path, progId, kClassIdKey, "", kClassIdLength + 1);
    if (!IsClassIdText(found))
        return false;
    classId = found;
    return true;
}
