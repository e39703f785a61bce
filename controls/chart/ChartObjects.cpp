#include "controls/chart/ChartObjects.h"

#include "platform/ocx/ChartMembers.h"

#include <cmath>

using namespace ChartMember;

ChartObject& ChartObject::Child(int dispid) {
    std::unique_ptr<ChartObject>& child = m_children[dispid];
    if (!child)
        child = std::make_unique<ChartObject>();
    return *child;
}

ChartObject& ChartObject::OnPut(int dispid, Setter setter) {
    m_setters[dispid] = std::move(setter);
    return *this;
}

ChartObject& ChartObject::OnCall(int dispid, Method method) {
    m_methods[dispid] = std::move(method);
    return *this;
}

DispResult ChartObject::Get(int dispid) {
    const auto child = m_children.find(dispid);
    if (child == m_children.end())
        return {false, nullptr, {}};
    return {true, child->second.get(), {}};
}

bool ChartObject::Put(int dispid, const DispValue& value) {
    const auto setter = m_setters.find(dispid);
    return setter != m_setters.end() && setter->second(value);
}

DispResult ChartObject::Call(int dispid, std::span<const DispValue> arguments) {
    const auto method = m_methods.find(dispid);
    if (method == m_methods.end())
        return {false, nullptr, {}};
    return method->second(arguments);
}

namespace {

// Setters that store a value of the model, then tell the control.
template <class Field, class Read>
ChartObject::Setter Store(Field& field, Read read, const std::function<void()>& changed) {
    return [&field, read, &changed](const DispValue& value) {
        field = read(value);
        changed();
        return true;
    };
}

auto AsInt = [](const DispValue& v) { return v.Integer(); };
auto AsBool = [](const DispValue& v) { return v.Truth(); };
auto AsDouble = [](const DispValue& v) { return v.Number(); };
auto AsText = [](const DispValue& v) { return v.String(); };
auto AsColour = [](const DispValue& v) {
    return static_cast<std::uint32_t>(v.Integer()) & 0xFFFFFF;
};

DispResult Done(DispValue value = DispValue::I4(0)) {
    return {true, nullptr, std::move(value)};
}

DispResult Refused() {
    return {false, nullptr, {}};
}

void BuildFont(ChartObject& object, ChartFont& font, const std::function<void()>& changed) {
    object.OnPut(kFontSize, Store(font.size, AsInt, changed))
        .OnPut(kFontBold, Store(font.bold, AsBool, changed))
        .OnPut(kFontColour, Store(font.colour, AsColour, changed));
}

} // namespace

ChartObjects::ChartObjects(ChartModel& model, ChartOutputs outputs, std::function<void()> changed)
    : m_model(model), m_changed(std::move(changed)) {
    const std::function<void()>& c = m_changed;
    m_root.OnCall(kClearChart, [this](std::span<const DispValue>) {
        m_model.Clear();
        m_series.clear();
        m_changed();
        return Done();
    });
    m_root.OnPut(kFrameWidth, Store(m_model.frameWidth, AsInt, c));
    m_root.Child(kAspect).OnPut(kView3D, Store(m_model.view3D, AsBool, c));
    m_root.Child(kPanel)
        .OnPut(kBevelInner, Store(m_model.panel.bevelInner, AsInt, c))
        .OnPut(kBevelOuter, Store(m_model.panel.bevelOuter, AsInt, c))
        .OnPut(kPanelColour, Store(m_model.panel.colour, AsColour, c));

    ChartObject& header = m_root.Child(kHeader);
    header.Child(kLines)
        .OnCall(kClearLines,
                [this](std::span<const DispValue>) {
                    m_model.header.lines.clear();
                    m_changed();
                    return Done();
                })
        .OnCall(kAddLine, [this](std::span<const DispValue> arguments) {
            if (arguments.size() != 1)
                return Refused();
            m_model.header.lines.push_back(arguments[0].String());
            m_changed();
            return Done(DispValue::I4(static_cast<std::int32_t>(m_model.header.lines.size() - 1)));
        });
    BuildFont(header.Child(kFont), m_model.header.font, c);

    ChartObject& legend = m_root.Child(kLegend);
    legend.OnPut(kLegendAlignment, Store(m_model.legend.alignment, AsInt, c))
        .OnPut(kLegendSpacing, Store(m_model.legend.spacing, AsInt, c))
        .OnPut(kLegendVisible, Store(m_model.legend.visible, AsBool, c));
    BuildFont(legend.Child(kFont), m_model.legend.font, c);

    BuildAxis(m_root.Child(kAxes).Child(kLeftAxis), &ChartModel::left);
    BuildAxis(m_root.Child(kAxes).Child(kBottomAxis), &ChartModel::bottom);

    m_root.OnCall(kAddSeries, [this](std::span<const DispValue> arguments) {
        if (arguments.size() != 1)
            return Refused();
        ChartSeries series;
        series.kind = arguments[0].Integer() == kBarSeries ? kBarSeries : kLineSeries;
        m_model.series.push_back(std::move(series));
        m_changed();
        return Done(DispValue::I4(static_cast<std::int32_t>(m_model.series.size() - 1)));
    });
    m_root.OnCall(kSeries, [this](std::span<const DispValue> arguments) {
        if (arguments.size() != 1 || arguments[0].Integer() < 0 ||
            static_cast<std::size_t>(arguments[0].Integer()) >= m_model.series.size())
            return Refused();
        return DispResult{true, &SeriesObject(arguments[0].Integer()), {}};
    });

    m_root.Child(kExport).OnCall(kSaveJpeg, [save = std::move(outputs.saveJpeg)](
                                                std::span<const DispValue> arguments) {
        if (arguments.size() != 6 || !save)
            return Refused();
        const bool saved = save(arguments[0].String(), arguments[1].Truth(), arguments[3].Integer(),
                                arguments[4].Integer(), arguments[5].Integer());
        return Done(DispValue::Bool(saved));
    });
    m_root.Child(kPrinter).OnCall(kPrint,
                                  [print = std::move(outputs.print)](std::span<const DispValue>) {
                                      return print ? Done(DispValue::I4(print())) : Refused();
                                  });
}

void ChartObjects::BuildAxis(ChartObject& object, ChartAxis ChartModel::*member) {
    ChartAxis& axis = m_model.*member;
    const std::function<void()>& c = m_changed;
    object.OnCall(kSetMinMax, [this, &axis](std::span<const DispValue> arguments) {
        if (arguments.size() != 2)
            return Refused();
        axis.setMin = arguments[0].Number();
        axis.setMax = arguments[1].Number();
        axis.limitsSet = true;
        axis.userView = false;
        m_changed();
        return Done();
    });
    object.OnPut(kMinorTicks, Store(axis.minorTicks, AsInt, c))
        .OnPut(kLogarithmic, Store(axis.logarithmic, AsBool, c))
        .OnPut(kLogBase, Store(axis.logBase, AsDouble, c));
    ChartObject& title = object.Child(kTitle);
    title.OnPut(kTitleCaption, Store(axis.title, AsText, c));
    BuildFont(title.Child(kTitleFont), axis.titleFont, c);
    object.Child(kLabels).OnPut(kDateTimeFormat, Store(axis.dateTimeFormat, AsText, c));
    object.Child(kGrid).OnPut(kPenStyle, Store(axis.grid.style, AsInt, c));
}

ChartObject& ChartObjects::SeriesObject(std::size_t index) {
    while (m_series.size() <= index)
        m_series.push_back(nullptr);
    if (m_series[index])
        return *m_series[index];
    m_series[index] = std::make_unique<ChartObject>();
    ChartObject& object = *m_series[index];
    // The model's list may move as it grows: every access finds the series by its index.
    auto field = [this, index](auto member) {
        return [this, index, member](const DispValue& value) {
            using Field = std::decay_t<decltype(m_model.series[index].*member)>;
            Field& target = m_model.series[index].*member;
            if constexpr (std::is_same_v<Field, bool>)
                target = value.Truth();
            else if constexpr (std::is_same_v<Field, std::string>)
                target = value.String();
            else if constexpr (std::is_same_v<Field, std::uint32_t>)
                target = AsColour(value);
            else
                target = value.Integer();
            m_changed();
            return true;
        };
    };
    object.OnPut(kMarkerSize, field(&ChartSeries::markerSize))
        .OnPut(kVisible, field(&ChartSeries::visible))
        .OnPut(kColour, field(&ChartSeries::colour))
        .OnPut(kTitleText, field(&ChartSeries::title));
    object.Child(kXValues).OnPut(kXDateTime, field(&ChartSeries::xDateTime));
    object.Child(kMarks).OnPut(kMarksVisible, field(&ChartSeries::marksVisible));
    object.Child(kLinePart).Child(kLinePen).OnPut(kPenWidth, field(&ChartSeries::penWidth));
    object.OnCall(kAddXY, [this, index](std::span<const DispValue> arguments) {
        if (arguments.size() != 4)
            return Refused();
        ChartSeries& series = m_model.series[index];
        const double x = arguments[0].Number();
        if (!std::isfinite(x) || (!series.xs.empty() && !(x >= series.xs.back())))
            series.sortedByX = false;
        series.xs.push_back(x);
        series.ys.push_back(arguments[1].Number());
        m_changed();
        return Done(DispValue::I4(static_cast<std::int32_t>(series.xs.size() - 1)));
    });
    return object;
}
