// The one conversion path of the program, shared by the window and kelconv:
// one chart file in, its text form (and, with data, its XML values) out.
#pragma once

#include <string>

namespace kel {

// The name of an output beside the input path: its file name's extension
// replaced by `extension` (given without the dot), added when it has none.
std::string ChartOutputName(const std::string& path, const std::string& extension);

// Converts the chart file at `path` (the default extension added when the
// path has none) and writes ChartOutputName(path, "txt") and, when
// `includeData` is set and the chart has series, ChartOutputName(path, "xml").
// Outputs are written atomically. Raises the loading, reading or file
// failure as an exception carrying its message.
void ConvertChartFile(const std::string& path, bool includeData);

}  // namespace kel
