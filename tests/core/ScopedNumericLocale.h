#pragma once

#include <clocale>
#include <string>

#include <gtest/gtest.h>

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

// The locales whose numbers have a decimal comma that the program meets, German and Danish; the
// dependency script makes them.
inline constexpr const char* kCommaLocales[] = {"de_DE.UTF-8", "da_DK.UTF-8"};
inline constexpr const char* kCommaLocale = kCommaLocales[0];

// Runs `test` with the name of each number format the program meets: the C library's own, and a
// desktop's decimal comma.
template <class Test>
void ForEachNumericLocale(Test test) {
    for (const char* name : {"C", kCommaLocale}) {
        const ScopedNumericLocale numbers(name);
        ASSERT_TRUE(numbers.IsSet()) << name << " is not installed";
        test(std::string(name));
    }
}
