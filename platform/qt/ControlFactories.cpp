#include "platform/qt/ControlFactories.h"

#include <algorithm>
#include <cctype>

namespace {

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

} // namespace

ControlFactories& ControlFactories::ForClass(const std::string& className, ControlFactory factory) {
    byClass_[UpperCase(className)] = std::move(factory);
    return *this;
}

ControlFactories& ControlFactories::ForId(int id, ControlFactory factory) {
    byId_[id] = std::move(factory);
    return *this;
}

const ControlFactory* ControlFactories::Find(const DialogControl& control) const {
    if (const auto it = byId_.find(control.id); it != byId_.end()) {
        return &it->second;
    }
    if (const auto it = byClass_.find(UpperCase(control.className)); it != byClass_.end()) {
        return &it->second;
    }
    return nullptr;
}
