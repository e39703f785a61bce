#pragma once

// The charting control that the graph dialog hosts, as the registry knows it.
inline constexpr const char* kChartControlProgId = "TeeChart.TChart.8";
inline constexpr const char* kChartControlClassId = "{BDEB0088-66F9-4A55-ABD2-0BF8DEEC1196}";
