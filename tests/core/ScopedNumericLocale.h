#pragma once

#include <clocale>
#include <string>

// Puts the C library's number format into a locale for the life of the object, as a desktop in
// that language gives it, and restores the one before afterwards. IsSet() is false when the
// system lacks that locale.
class ScopedNumericLocale {
public:
    explicit ScopedNumericLocale(const char* name)
        : m_before(std::setlocale(LC_NUMERIC, nullptr)),
          m_set(std::setlocale(LC_NUMERIC, name) != nullptr) {}
    ~ScopedNumericLocale() { std::setlocale(LC_NUMERIC, m_before.c_str()); }
    ScopedNumericLocale(const ScopedNumericLocale&) = delete;
    ScopedNumericLocale& operator=(const ScopedNumericLocale&) = delete;

    bool IsSet() const { return m_set; }

private:
    std::string m_before;
    bool m_set;
};

// A locale whose numbers have a decimal comma; the dependency script makes it.
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";
