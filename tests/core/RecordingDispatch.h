#pragma once

#include "platform/Dispatch.h"

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A stand-in for the charting control that writes down every put and method call it receives,
// by the path of gets that reached it ("2>4>30 put 2 = TEXT:Sample Time"). Method 28 gives the
// next series index and method 56(i) the series object "S<i>", whose operations are written
// with that name; other methods give 0.
class RecordingDispatch : public IDispatchObject {
public:
    RecordingDispatch() : m_log(std::make_shared<std::vector<std::string>>()) {}

    const std::vector<std::string>& Log() const { return *m_log; }
    void ClearLog() { m_log->clear(); }

    static std::string Describe(const DispValue& value) {
        static const char* const kNames[] = {"BOOL", "I2", "I4", "R8", "TEXT", "VARIANT"};
        std::string text = kNames[static_cast<int>(value.type)] + std::string(":");
        if (const auto* r8 = std::get_if<double>(&value.value)) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%.17g", *r8);
            return text + buffer;
        }
        return text + value.String();
    }

    DispResult Get(int dispid) override {
        const std::string id = std::to_string(dispid);
        return {true, &Child(m_path.empty() ? id : m_path + ">" + id), {}};
    }
    bool Put(int dispid, const DispValue& value) override {
        m_log->push_back(Prefix() + "put " + std::to_string(dispid) + " = " + Describe(value));
        return true;
    }
    DispResult Call(int dispid, std::span<const DispValue> arguments) override {
        if (m_path.empty() && dispid == 56)
            return {true, &Child("S" + std::to_string(arguments[0].Integer())), {}};
        std::string text = Prefix() + "call " + std::to_string(dispid) + "(";
        for (std::size_t i = 0; i < arguments.size(); ++i)
            text += (i ? ", " : "") + Describe(arguments[i]);
        m_log->push_back(text + ")");
        if (m_path.empty() && dispid == 28)
            return {true, nullptr, DispValue::I4((*m_seriesCount)++)};
        return {true, nullptr, DispValue::I4(0)};
    }

private:
    RecordingDispatch(std::string path, const RecordingDispatch& root)
        : m_path(std::move(path)), m_log(root.m_log), m_seriesCount(root.m_seriesCount) {}

    std::string Prefix() const { return m_path.empty() ? "" : m_path + " "; }
    RecordingDispatch& Child(const std::string& path) {
        auto& child = m_children[path];
        if (!child)
            child.reset(new RecordingDispatch(path, *this));
        return *child;
    }

    std::string m_path; // "" for the chart
    std::shared_ptr<std::vector<std::string>> m_log;
    std::shared_ptr<int> m_seriesCount = std::make_shared<int>(0);
    std::map<std::string, std::unique_ptr<RecordingDispatch>> m_children;
};
