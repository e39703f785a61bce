#pragma once

#include "controls/chart/ChartModel.h"
#include "platform/Dispatch.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

// One object of the control's object model: its property objects, the properties it takes and
// its methods, each by member number, declared by the one who builds it.
class ChartObject : public IDispatchObject {
public:
    using Setter = std::function<bool(const DispValue&)>;
    using Method = std::function<DispResult(std::span<const DispValue>)>;

    // The property object `dispid`, made on first use.
    ChartObject& Child(int dispid);
    ChartObject& OnPut(int dispid, Setter setter);
    ChartObject& OnCall(int dispid, Method method);

    DispResult Get(int dispid) override;
    bool Put(int dispid, const DispValue& value) override;
    DispResult Call(int dispid, std::span<const DispValue> arguments) override;

private:
    std::map<int, std::unique_ptr<ChartObject>> m_children;
    std::map<int, Setter> m_setters;
    std::map<int, Method> m_methods;
};

// What the control does for its export and printer objects.
struct ChartOutputs {
    // path, grey, quality, width, height: true when the picture was written.
    std::function<bool(const std::string&, bool, int, int, int)> saveJpeg;
    // 1 printed, 0 cancelled by the user, -1 failed.
    std::function<int()> print;
};

// The objects of the charting control over its model. Every change calls `changed`, so the
// control can redraw.
class ChartObjects {
public:
    ChartObjects(ChartModel& model, ChartOutputs outputs, std::function<void()> changed);
    ChartObjects(const ChartObjects&) = delete;
    ChartObjects& operator=(const ChartObjects&) = delete;

    IDispatchObject& Root() { return m_root; }

private:
    void BuildAxis(ChartObject& object, ChartAxis ChartModel::*axis);
    ChartObject& SeriesObject(std::size_t index);
    ChartModel& m_model;
    std::function<void()> m_changed;
    ChartObject m_root;
    std::vector<std::unique_ptr<ChartObject>> m_series;
};
