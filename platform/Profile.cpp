#include "platform/Profile.h"

#include "platform/FileReplace.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNone = std::string_view::npos;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == kNone)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

std::string_view Unquote(std::string_view value) {
    return IsQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

// Cuts after `maxChars` characters. A character is a UTF-8 lead byte with the continuation
// bytes it announces; any other byte counts as one character of its own.
std::string KeepChars(std::string_view text, std::size_t maxChars) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < maxChars; ++count) {
        const auto lead = static_cast<unsigned char>(text[end]);
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const std::size_t limit = std::min(text.size(), end + length);
        for (++end; end < limit && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80;)
            ++end;
    }
    return std::string(text.substr(0, end));
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // of the section or the key
    std::string_view value; // of a key, trimmed, quotes still on
};

ParsedLine ParseLine(std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.empty())
        return {LineKind::Blank, {}, {}};
    if (line.front() == ';' || line.front() == '#')
        return {LineKind::Comment, {}, {}};
    if (line.front() == '[') {
        const std::string_view inside = line.substr(1);
        return {LineKind::Section, Trim(inside.substr(0, inside.find(']'))), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == kNone || equals == 0)
        return {LineKind::Other, {}, {}};
    return {LineKind::Key, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// An ini file as read: its text, and views of its lines without their '\n'.
class IniFile {
public:
    IniFile() = default;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    FileReadResult Load(const std::string& path) {
        const FileReadResult result = ReadWholeFile(path, m_text);
        m_hasByteOrderMark = m_text.starts_with(kByteOrderMark);
        const std::size_t start = m_hasByteOrderMark ? kByteOrderMark.size() : 0;
        const std::size_t firstBreak = m_text.find('\n', start);
        m_crlf = firstBreak != kNone && firstBreak > start && m_text[firstBreak - 1] == '\r';
        // A last line without a break gets the file's own, so that lines can follow it.
        if (m_text.size() > start && m_text.back() != '\n')
            m_text += std::string(LineEnd()) + '\n';
        const std::string_view rest = std::string_view(m_text).substr(start);
        for (std::size_t begin = 0; begin < rest.size();) {
            const std::size_t end = std::min(rest.find('\n', begin), rest.size());
            m_lines.push_back(rest.substr(begin, end - begin));
            begin = end + 1;
        }
        return result;
    }

    const std::vector<std::string_view>& Lines() const { return m_lines; }

    // What a line we add carries before its '\n': "\r" in a file of CR LF lines.
    std::string_view LineEnd() const { return m_crlf ? "\r" : ""; }

    // Writes `lines` back in place of the file, each followed by '\n', after the file's
    // byte-order mark.
    bool Save(const std::string& path, const std::vector<std::string_view>& lines) const {
        std::string text(m_hasByteOrderMark ? kByteOrderMark : "");
        for (const std::string_view line : lines) {
            text += line;
            text += '\n';
        }
        return ReplaceFileWith(path, text);
    }

private:
    std::string m_text;
    std::vector<std::string_view> m_lines;
    bool m_hasByteOrderMark = false;
    bool m_crlf = false;
};

struct KeyPlace {
    std::size_t keyLine = kNone;    // the key's line, in the first section that has it
    std::size_t sectionEnd = kNone; // after the last non-blank line of the first such section
};

KeyPlace FindKey(const std::vector<std::string_view>& lines, std::string_view section,
                 std::string_view key) {
    KeyPlace place;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine line = ParseLine(lines[i]);
        if (line.kind == LineKind::Section) {
            inSection = EqualsIgnoringCase(line.name, section);
            inFirstSection = inSection && place.sectionEnd == kNone;
        } else if (inSection && line.kind == LineKind::Key && EqualsIgnoringCase(line.name, key)) {
            place.keyLine = i;
            return place;
        }
        if (inFirstSection && line.kind != LineKind::Blank)
            place.sectionEnd = i + 1;
    }
    return place;
}

std::optional<std::string> FindValue(const std::string& path, const std::string& section,
                                     const std::string& key) {
    IniFile file;
    if (file.Load(path) != FileReadResult::Read)
        return std::nullopt;
    const KeyPlace place = FindKey(file.Lines(), section, key);
    if (place.keyLine == kNone)
        return std::nullopt;
    return std::string(Unquote(ParseLine(file.Lines()[place.keyLine]).value));
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != kNone;
}

bool IsWritableName(std::string_view name, std::string_view forbidden) {
    return !name.empty() && Trim(name) == name && !HasLineBreak(name) &&
           name.find_first_of(forbidden) == kNone;
}

bool IsWritableKey(std::string_view key) {
    return IsWritableName(key, "=") && key.front() != ';' && key.front() != '#' &&
           key.front() != '[';
}

// Quotes a value that reading would otherwise change: trimming or unquoting it.
std::string EncodeValue(std::string_view value) {
    const bool padded = !value.empty() && (kBlanks.find(value.front()) != kNone ||
                                           kBlanks.find(value.back()) != kNone);
    if (padded || IsQuoted(value))
        return '"' + std::string(value) + '"';
    return std::string(value);
}

int LeadingInt(std::string_view text, int defaultValue) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return defaultValue;
    constexpr long long kBeyond = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kBeyond);
    const long long value = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t maxChars) {
    return KeepChars(FindValue(path, section, key).value_or(defaultValue), maxChars);
}

int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
    const std::optional<std::string> value = FindValue(path, section, key);
    return value ? LeadingInt(*value, defaultValue) : defaultValue;
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    if (!IsWritableName(section, "]") || !IsWritableKey(key) || HasLineBreak(value))
        return false;
    IniFile file;
    if (file.Load(path) == FileReadResult::Unreadable)
        return false;
    std::vector<std::string_view> lines = file.Lines();
    const KeyPlace place = FindKey(lines, section, key);
    const std::string encoded = EncodeValue(value);
    std::string keyLine;
    std::string header;
    if (place.keyLine != kNone) {
        const std::string_view old = lines[place.keyLine];
        // Nothing to do when the value is already there: the file is left alone entirely,
        // so that a file we may read but not replace still counts as up to date.
        if (Unquote(ParseLine(old).value) == value)
            return true;
        // Keeps the key as the file spells it, and the line's own ending.
        keyLine = std::string(ParseLine(old).name) + '=' + encoded;
        keyLine += old.ends_with('\r') ? "\r" : "";
        lines[place.keyLine] = keyLine;
    } else if (place.sectionEnd != kNone) {
        keyLine = key + '=' + encoded + std::string(file.LineEnd());
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), keyLine);
    } else {
        header = '[' + section + ']' + std::string(file.LineEnd());
        keyLine = key + '=' + encoded + std::string(file.LineEnd());
        if (!lines.empty() && ParseLine(lines.back()).kind != LineKind::Blank)
            lines.push_back(file.LineEnd());
        lines.push_back(header);
        lines.push_back(keyLine);
    }
    return file.Save(path, lines);
}
