// Whole charts with tools in their text form: reading one into a chart the
// tolerant way (every skipped entry kept as a warning) and writing it back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kel {
class TCustomChart;
}

namespace kel::test {

// Reads the text form of a chart into chart; returns the messages of the
// errors that reading skipped.
std::vector<std::string> ReadChartText(TCustomChart& chart, std::string_view text);
// The text form of the chart.
std::string ChartText(TCustomChart& chart);
// The records of the chart's children in its text form, with "\n" line ends.
std::string ChildrenText(TCustomChart& chart);

}  // namespace kel::test
