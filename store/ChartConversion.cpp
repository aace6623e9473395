#include "store/ChartConversion.h"

#include "model/chart/Chart.h"
#include "platform/Path.h"
#include "store/AtomicFileStream.h"
#include "store/ChartFile.h"
#include "store/ChartStore.h"
#include "store/export/SeriesDataXml.h"

namespace kel {
namespace {

// The values of every series of the chart, with index, labels and colours.
void WriteSeriesXml(TCustomChart& chart, TStream& stream) {
  TSeriesDataXML exporter(&chart, nullptr);
  exporter.IncludeHeader = true;
  exporter.IncludeColors = true;
  exporter.IncludeIndex = true;
  exporter.IncludeLabels = true;
  exporter.SaveToStream(stream);
}

// The text with each control character shown as \xNN, so that a warning
// naming something of the file is always one line.
std::string OneLine(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string line;
  for (const char c : text) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 0x20 && code != 0x7F) {
      line += c;
    } else {
      line += {'\\', 'x', kHex[code >> 4], kHex[code & 0xF]};
    }
  }
  return line;
}

// Loads the chart file into chart, tolerating what cannot be read; returns
// what was left out.
ConversionWarnings LoadChartFile(TCustomChart& chart, const std::string& path) {
  ConversionWarnings warnings;
  TFileStream input(WithDefaultChartExtension(path), fmOpenRead | fmShareDenyWrite);
  ReadChartFromStream(&chart, input, true, {}, [&warnings](const std::string& description) {
    warnings.push_back(OneLine(description));
  });
  return warnings;
}

}  // namespace

std::string ChartOutputName(const std::string& path, const std::string& extension) {
  // Only the file name's own extension is replaced, never a dot in a folder
  // name or an earlier dot of the base name.
  const PathParts parts = SplitPath(path, kAnyPlatformSeparators);
  const std::string_view stem = parts.name.substr(0, parts.name.rfind('.'));
  return std::string(parts.folder) + std::string(stem) + "." + extension;
}

std::vector<ChartOutput> ChartOutputs(TCustomChart& chart,
                                      const std::string& path,
                                      const ConversionOptions& options) {
  const bool includeData = options.includeData;
  std::vector<ChartOutput> outputs;
  outputs.push_back({ChartOutputName(path, "txt"), [&chart, includeData](TStream& stream) {
                       WriteChartTextStreamed(chart, stream, includeData);
                     }});
  if (includeData && chart.SeriesCount() > 0) {
    outputs.push_back({ChartOutputName(path, "xml"),
                       [&chart](TStream& stream) { WriteSeriesXml(chart, stream); }});
  }
  return outputs;
}

EConversionWarnings::EConversionWarnings(ConversionWarnings warnings)
    : Exception("warning: " + warnings.front()), FWarnings(std::move(warnings)) {}

ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options) {
  // The chart belongs to a host component for the length of one file, as it
  // would to a window: references to its children are written relative to it.
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  ConversionWarnings warnings = LoadChartFile(*chart, path);
  if (options.strict && !warnings.empty()) throw EConversionWarnings(std::move(warnings));
  for (const ChartOutput& output : ChartOutputs(*chart, path, options))
    WriteFileAtomically(output.fileName, output.write);
  return warnings;
}

ConversionWarnings CheckChartFile(const std::string& path) {
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  return LoadChartFile(*chart, path);
}

}  // namespace kel
