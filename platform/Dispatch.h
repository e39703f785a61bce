#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <variant>

// Our stand-in for late-bound automation: an object answers by member number (DISPID) alone, to
// give a property that is itself an object, to take a property's new value, and to run a
// method. What each number means is the object's business; callers know only the numbers.

// The declared type of an argument or property value.
enum class DispType { kBool, kI2, kI4, kR8, kText, kVariant };

// One argument or property value with its declared type. A VARIANT carries a value of one of
// the other kinds inside.
struct DispValue {
    DispType type = DispType::kI4;
    std::variant<bool, std::int16_t, std::int32_t, double, std::string> value = std::int32_t{0};

    static DispValue Bool(bool v) { return {DispType::kBool, v}; }
    static DispValue I2(std::int16_t v) { return {DispType::kI2, v}; }
    static DispValue I4(std::int32_t v) { return {DispType::kI4, v}; }
    static DispValue R8(double v) { return {DispType::kR8, v}; }
    static DispValue Text(std::string v) { return {DispType::kText, std::move(v)}; }
    static DispValue Variant(DispValue inner) {
        return {DispType::kVariant, std::move(inner.value)};
    }

    // The value as a number: booleans give 1 or 0, a text gives 0.
    double Number() const;
    bool Truth() const { return Number() != 0; }
    std::int32_t Integer() const { return static_cast<std::int32_t>(Number()); }
    // The value as a text: a text as it is, a number in its shortest form.
    std::string String() const;

    bool operator==(const DispValue&) const = default;
};

class IDispatchObject;

// What a get or a method gives: an object, a value, or nothing. `known` is false for a member
// the object does not have or arguments it cannot take.
struct DispResult {
    bool known = true;
    IDispatchObject* object = nullptr; // owned by the object that gave it
    DispValue value;
};

class IDispatchObject {
public:
    virtual ~IDispatchObject() = default;
    virtual DispResult Get(int dispid) = 0;
    // False for a member the object does not have or a value it cannot take.
    virtual bool Put(int dispid, const DispValue& value) = 0;
    virtual DispResult Call(int dispid, std::span<const DispValue> arguments) = 0;
};

// A walk along gets from one object, as a caller writes 2 → 4 → 30: each step gets a property
// object of the one before. A step that gives no object leaves a path that does nothing.
class DispatchPath {
public:
    explicit DispatchPath(IDispatchObject* object) : m_object(object) {}

    DispatchPath operator/(int dispid) const {
        return DispatchPath(m_object ? m_object->Get(dispid).object : nullptr);
    }
    bool Put(int dispid, const DispValue& value) const {
        return m_object && m_object->Put(dispid, value);
    }
    DispResult Call(int dispid, std::initializer_list<DispValue> arguments = {}) const {
        if (!m_object)
            return {false, nullptr, {}};
        return m_object->Call(dispid,
                              std::span<const DispValue>(arguments.begin(), arguments.size()));
    }
    IDispatchObject* Object() const { return m_object; }

private:
    IDispatchObject* m_object;
};
