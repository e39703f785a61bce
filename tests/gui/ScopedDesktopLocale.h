#pragma once

#include "platform/qt/DesktopLocale.h"

#include <clocale>
#include <string>

#include <QLocale>
#include <QString>

// The program as it runs on a desktop in locale `name` (de_DE.UTF-8, say), for the life of the
// object: the C library's categories and Qt's default locale from the desktop, and the numbers
// of the C library kept with a point, as the program keeps them. The locales before come back
// afterwards. IsSet() is false when the system lacks that locale.
class ScopedDesktopLocale {
public:
    explicit ScopedDesktopLocale(const char* name)
        : m_before(std::setlocale(LC_ALL, nullptr)),
          m_set(std::setlocale(LC_ALL, name) != nullptr) {
        KeepNumbersWithAPoint();
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~ScopedDesktopLocale() {
        std::setlocale(LC_ALL, m_before.c_str());
        QLocale::setDefault(m_qtBefore);
    }
    ScopedDesktopLocale(const ScopedDesktopLocale&) = delete;
    ScopedDesktopLocale& operator=(const ScopedDesktopLocale&) = delete;

    bool IsSet() const { return m_set; }

private:
    std::string m_before;
    QLocale m_qtBefore;
    bool m_set;
};
