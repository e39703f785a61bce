#pragma once

#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// Rewriting the value texts of a record or a settings object field by field, each through the
// formatter its row names. Every row reads only its own field, so the order of rows does not
// matter.

using UnitFormatter = std::string (*)(const std::string& text, float factor,
                                      std::string_view fromUnit, std::string_view toUnit);
using FromMetricFormatter = std::string (*)(const std::string& text, float factor,
                                            std::string_view toUnit);

// A field scaled and printed in one unit, which is both source and target: nothing converted.
template <class Object>
struct FieldScaling {
    std::string Object::*field;
    UnitFormatter format;
    float factor;
    std::string_view unit;
};

// A field taken from the metric unit into a display unit.
template <class Object>
struct FieldFromMetric {
    std::string Object::*field;
    FromMetricFormatter format;
    float factor;
    std::string_view toUnit;
};

template <class Object>
void ScaleFields(Object& object, std::type_identity_t<std::span<const FieldScaling<Object>>> rows) {
    for (const FieldScaling<Object>& row : rows) {
        object.*row.field = row.format(object.*row.field, row.factor, row.unit, row.unit);
    }
}

template <class Object>
void ConvertFieldsFromMetric(Object& object,
                             std::type_identity_t<std::span<const FieldFromMetric<Object>>> rows) {
    for (const FieldFromMetric<Object>& row : rows) {
        object.*row.field = row.format(object.*row.field, row.factor, row.toUnit);
    }
}
