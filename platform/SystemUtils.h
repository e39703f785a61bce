#pragma once

#include <string>

// Cuts the first field off `text`: returns what stands before the first occurrence of the
// one-character `delimiter` and leaves in `text` what follows it. Without a delimiter the
// whole text is returned and `text` becomes empty. Neither piece is trimmed.
std::string SplitFirst(std::string& text, const std::string& delimiter);

// Size of the caller's buffer for GetModulePath, as the program has always used it.
inline constexpr std::size_t kModulePathSize = 260;

// Full path of the running executable, written into `buffer` (kModulePathSize characters,
// NUL-terminated, cut when longer). Returns `buffer`.
char* GetModulePath(char* buffer);

// Folder of the running executable with a trailing separator; "" when it cannot be found.
std::string GetModuleDir();
