// The one conversion path of the program, shared by the window and kelconv:
// one chart file in, its text form (and, with data, its XML values) out.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Stream.h"

namespace kel {

class TCustomChart;

// The name of an output beside the input path: its file name's extension
// replaced by `extension` (given without the dot), added when it has none.
std::string ChartOutputName(const std::string& path, const std::string& extension);

// What a conversion writes.
struct ConversionOptions {
  // The series' values: the "Data" blocks of the text form and the XML.
  bool includeData = true;
  // Anything dropped while reading fails the file before an output is written.
  bool strict = false;
};

// What the reader had to drop from a chart file, one message per entry, in
// reading order.
using ConversionWarnings = std::vector<std::string>;

// A strict conversion that dropped something. Its message is the first
// warning after "warning: ".
class EConversionWarnings : public Exception {
 public:
  explicit EConversionWarnings(ConversionWarnings warnings);
  const ConversionWarnings& Warnings() const { return FWarnings; }

 private:
  ConversionWarnings FWarnings;
};

// One file a conversion writes: where it goes and what fills it.
struct ChartOutput {
  std::string fileName;
  std::function<void(TStream&)> write;
};

// The files a conversion of the chart loaded from `path` writes, in order:
// ChartOutputName(path, "txt") with the text form and, when the options
// include data and the chart has series, ChartOutputName(path, "xml") with
// the values.
std::vector<ChartOutput> ChartOutputs(TCustomChart& chart,
                                      const std::string& path,
                                      const ConversionOptions& options);

// Converts the chart file at `path` (the default extension added when the
// path has none) and writes its ChartOutputs, each atomically. Raises the
// loading, reading or file failure as an exception carrying its message;
// returns what the reader dropped. A strict conversion raises
// EConversionWarnings instead of writing when anything was dropped.
ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options);

// Loads the chart file at `path` as ConvertChartFile does and writes
// nothing; returns what the reader dropped.
ConversionWarnings CheckChartFile(const std::string& path);

}  // namespace kel
