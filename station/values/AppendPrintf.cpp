#include "station/values/AppendPrintf.h"

#include <cstdarg>
#include <cstdio>

void AppendPrintf(std::string& out, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    if (length > 0) {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length));
        // Writes the terminating NUL onto out[size()], which a std::string always holds.
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, again);
    }
    va_end(again);
}
