#pragma once

#include "tests/core/FileTestSupport.h"
#include "tests/core/TestEnvironment.h"

#include <filesystem>
#include <string>

// The home of a new user for the life of the test: HOME and XDG_CONFIG_HOME lead into an empty
// folder, so the desktop names no documents folder until the test names one.
class FreshHome {
public:
    // The home folder, and a file or folder in it.
    const std::string& Path() const { return m_folder.Path(); }
    std::string Path(const std::string& name) const { return m_folder.Path(name); }

    // Writes the desktop's list of the user's folders (user-dirs.dirs) with these lines.
    void WriteUserDirs(const std::string& lines) const {
        std::filesystem::create_directories(Path("config"));
        WriteBytes(Path("config/user-dirs.dirs"), lines);
    }
    // Names the folder `name` in the home folder the documents folder, as the desktop does, and
    // creates it. Returns its path.
    std::string NameDocumentsFolder(const std::string& name) const {
        WriteUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/" + name + "\"\n");
        std::filesystem::create_directory(Path(name));
        return Path(name);
    }

private:
    TempFolder m_folder;
    testenv::ScopedEnv m_home{"HOME", m_folder.Path()};
    testenv::ScopedEnv m_configHome{"XDG_CONFIG_HOME", Path("config")};
};
