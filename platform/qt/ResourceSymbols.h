#pragma once

#include "platform/qt/ResourceTemplates.h"

#include <string>
#include <string_view>
#include <unordered_map>

// The names a resource script may use for numbers: the window-style and key constants it
// always knows, IDOK, IDCANCEL and IDC_STATIC, and the ids of the program's own header.
class ResourceSymbols {
public:
    ResourceSymbols(); // the built-in constants

    bool Find(std::string_view name, long long& value) const;

    // Takes the constants of a header: lines "#define NAME 123" and definitions
    // "inline constexpr int NAME = 123;" (also unsigned, hexadecimal, negative). Comments and
    // other preprocessor lines are skipped; anything else is an error.
    bool ReadHeader(std::string_view header, ResourceError& error);

private:
    bool Define(const std::string& name, long long value, int line, ResourceError& error);

    std::unordered_map<std::string, long long> values_;
};
