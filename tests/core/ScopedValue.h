#pragma once

#include <utility>

// Sets a global (a configuration value, say) for the life of a test and puts the old one back.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& variable, T value) : m_variable(variable), m_saved(std::move(variable)) {
        m_variable = std::move(value);
    }
    ~ScopedValue() { m_variable = std::move(m_saved); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& m_variable;
    T m_saved;
};
