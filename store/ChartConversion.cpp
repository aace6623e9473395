#include "store/ChartConversion.h"

#include "model/chart/Chart.h"
#include "persist/Stream.h"
#include "platform/Path.h"
#include "store/ChartFile.h"
#include "store/ChartStore.h"
#include "store/export/SeriesDataXml.h"

namespace kel {
namespace {

// The values of every series of the chart, with index, labels and colours.
void ExportSeriesXml(TCustomChart& chart, const std::string& fileName) {
  TSeriesDataXML exporter(&chart, nullptr);
  exporter.IncludeHeader = true;
  exporter.IncludeColors = true;
  exporter.IncludeIndex = true;
  exporter.IncludeLabels = true;
  exporter.SaveToFile(fileName);
}

}  // namespace

std::string ChartOutputName(const std::string& path, const std::string& extension) {
  // Only the file name's own extension is replaced, never a dot in a folder
  // name or an earlier dot of the base name.
  const PathParts parts = SplitPath(path, kAnyPlatformSeparators);
  const std::string_view stem = parts.name.substr(0, parts.name.rfind('.'));
  return std::string(parts.folder) + std::string(stem) + "." + extension;
}

void ConvertChartFile(const std::string& path, bool includeData) {
  // The chart belongs to a host component for the length of one file, as it
  // would to a window: references to its children are written relative to it.
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  {
    TFileStream input(WithDefaultChartExtension(path), fmOpenRead | fmShareDenyWrite);
    ReadChartFromStream(chart, input, true);
  }
  WriteChartToFile(*chart, ChartOutputName(path, "txt"), includeData, true);
  if (includeData && chart->SeriesCount() > 0)
    ExportSeriesXml(*chart, ChartOutputName(path, "xml"));
}

}  // namespace kel
