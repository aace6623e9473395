#include "store/ChartConversion.h"

#include <algorithm>
#include <exception>

#include "model/chart/Chart.h"
#include "persist/Exceptions.h"
#include "platform/Path.h"
#include "store/AtomicFileStream.h"
#include "store/ChartFile.h"
#include "store/ChartStore.h"
#include "store/InputStream.h"
#include "store/export/ExportData.h"

namespace kel {

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
    for (const TExportFormatInfo& info : ExportFormats()) {
      if (std::find(options.exports.begin(), options.exports.end(), info.Format) ==
          options.exports.end())
        continue;
      outputs.push_back({ChartOutputName(path, std::string(info.Extension)),
                         [&chart, format = info.Format](TStream& stream) {
                           CreateConverterExport(chart, format)->SaveToStream(stream);
                         },
                         [&chart, format = info.Format] {
                           CreateConverterExport(chart, format)->CheckExportable();
                         }});
    }
  }
  return outputs;
}

ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options) {
  // The chart belongs to a host component for the length of one file, as it
  // would to a window: references to its children are written relative to it.
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  {
    const std::unique_ptr<TStream> input = OpenInputStream(WithDefaultChartExtension(path));
    ReadChartFromStream(chart, *input, true);
  }
  // A document the chart does not fit is left out; the others are still
  // written, together, and the first refusal is the file's failure.
  std::vector<StreamReplacement> outputs;
  std::exception_ptr refused;
  for (ChartOutput& output : ChartOutputs(*chart, path, options)) {
    try {
      if (output.check) output.check();
    } catch (const Exception&) {
      if (!refused) refused = std::current_exception();
      continue;
    }
    outputs.push_back({std::move(output.fileName), std::move(output.write)});
  }
  WriteFilesAtomically(outputs);
  if (refused) std::rethrow_exception(refused);
  return {};
}

}  // namespace kel
