#include "store/ChartConversion.h"

#include "model/chart/Chart.h"
#include "persist/Stream.h"
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
  const size_t separator = path.find_last_of("\\:/");
  const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const size_t dot = path.find_last_of('.');
  const size_t stemEnd = dot != std::string::npos && dot >= nameStart ? dot : path.size();
  return path.substr(0, stemEnd) + "." + extension;
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
