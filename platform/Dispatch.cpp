#include "platform/Dispatch.h"

#include <charconv>

double DispValue::Number() const {
    return std::visit(
        [](const auto& v) -> double {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                return 0;
            else
                return static_cast<double>(v);
        },
        value);
}

std::string DispValue::String() const {
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, Number()).ptr;
    return std::string(buffer, end);
}
