#pragma once

#include <cstddef>
#include <string>

// Private-profile (ini) files: "[section]" lines followed by "key=value" lines.
//
// Reading follows what users of ini files expect: section and key names are compared ignoring
// (ASCII) case; blanks around names and values are dropped; a value wrapped in double quotes
// loses them; lines starting with ';' or '#' are comments. The first matching key wins. A
// header whose ']' is missing still opens the section it names. A UTF-8 byte-order mark and
// CR LF line ends are accepted. Lines that are none of these are ignored, never removed.
//
// Reading never creates or changes a file; a missing file, section or key gives the default.

// The value of `key` in `section`, or `defaultValue` when there is none. At most `maxChars`
// characters are kept (UTF-8 characters are never cut in half); the default is cut alike.
// A key that is present with an empty value gives the empty text, not the default.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t maxChars);

// The leading decimal integer of the value (an optional sign, then digits; whatever follows
// is ignored), or `defaultValue` when the key is missing or its value starts with no digit.
// Values beyond the range of int are clamped to it.
int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue);

// Sets `key` in `section` to `value`, creating the file, the section or the key as needed;
// every other line of the file stays as it was, and a key that already holds the value leaves
// the file untouched. The new file is written beside the old one and then renamed over it,
// so a failed write leaves the old file whole. A value that would not read back as written
// (blanks at either end, or quotes around it) is written quoted. False when the file cannot
// be read or written, or when a name or the value cannot be written into an ini file (empty
// or padded names, line breaks, '=' in a key, ']' in a section name).
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);
