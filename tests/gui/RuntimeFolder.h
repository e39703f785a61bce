#pragma once

#include <QByteArray>
#include <QTemporaryDir>

// A runtime folder of the test's own for the life of the test, so that single-instance names
// claimed by the test neither meet a running program nor each other across tests.
class ScopedRuntimeFolder {
public:
    ScopedRuntimeFolder() : m_saved(qgetenv("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", m_folder.path().toLocal8Bit());
    }
    ~ScopedRuntimeFolder() {
        if (m_saved.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", m_saved);
    }
    ScopedRuntimeFolder(const ScopedRuntimeFolder&) = delete;
    ScopedRuntimeFolder& operator=(const ScopedRuntimeFolder&) = delete;

    QString Path() const { return m_folder.path(); }

private:
    QByteArray m_saved;
    QTemporaryDir m_folder;
};
