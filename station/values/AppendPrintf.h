#pragma once

#include <string>

// Appends the printf-style formatting of the arguments to `out`, however long it is.
void AppendPrintf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
