// The one conversion path of the program, shared by the window and kelconv:
// one chart file in, its text form (and, with data, its value documents) out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "persist/Stream.h"
#include "store/export/ChartExports.h"

namespace kel {

class TCustomChart;

// The name of an output beside the input path: its file name's extension
// replaced by `extension` (given without the dot), added when it has none.
std::string ChartOutputName(const std::string& path, const std::string& extension);

// What a conversion writes.
struct ConversionOptions {
  // The series' values: the "Data" blocks of the text form and the value
  // documents.
  bool includeData = true;
  // The documents of the series' values written with data.
  std::vector<TExportFormat> exports = {TExportFormat::Xml};
};

// What the reader had to drop from a chart file, one message per entry, in
// reading order.
using ConversionWarnings = std::vector<std::string>;

// One file a conversion writes: where it goes and what fills it.
struct ChartOutput {
  std::string fileName;
  std::function<void(TStream&)> write;
  // Raises, before anything is written, when the chart does not fit this
  // document's format at all; none when it always does.
  std::function<void()> check;
};

// The files a conversion of the chart loaded from `path` writes, in order:
// ChartOutputName(path, "txt") with the text form and, when the options
// include data and the chart has series, one document of the values per
// export format, in the order of ExportFormats(), named with the format's
// extension.
std::vector<ChartOutput> ChartOutputs(TCustomChart& chart,
                                      const std::string& path,
                                      const ConversionOptions& options);

// Converts the chart file at `path` (the default extension added when the
// path has none) and writes its ChartOutputs together: all of them are
// replaced, or on failure none. A document the chart does not fit (its
// check raises) is left out and its failure raised after the others are
// written. Raises the loading, reading or file failure as an exception
// carrying its message; returns what the reader dropped.
ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options);

}  // namespace kel
