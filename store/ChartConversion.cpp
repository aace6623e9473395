#include "store/ChartConversion.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "model/chart/Chart.h"
#include "persist/Exceptions.h"
#include "platform/FileIdentity.h"
#include "platform/Path.h"
#include "store/AtomicFileStream.h"
#include "store/ChartFile.h"
#include "store/ChartStore.h"
#include "store/InputStream.h"
#include "store/export/ExportData.h"

namespace kel {
namespace {

// The export formats the options ask for, in the order of ExportFormats().
std::vector<TExportFormatInfo> RequestedExports(const ConversionOptions& options) {
  std::vector<TExportFormatInfo> formats;
  if (!options.includeData) return formats;
  for (const TExportFormatInfo& info : ExportFormats()) {
    if (std::find(options.exports.begin(), options.exports.end(), info.Format) !=
        options.exports.end())
      formats.push_back(info);
  }
  return formats;
}

[[noreturn]] void RefuseOutput(const std::string& output, const std::string& reason) {
  throw EFCreateError("Cannot write file \"" + output + "\": " + reason);
}

// Loads the chart file `inputName` into chart, tolerating what cannot be
// read; returns what was left out.
ConversionWarnings LoadChartFile(TCustomChart& chart, const std::string& inputName) {
  ConversionWarnings warnings;
  const std::unique_ptr<TStream> input = OpenInputStream(inputName);
  ReadChartFromStream(&chart, *input, true, {}, [&warnings](const std::string& description) {
    warnings.push_back(description);
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

std::vector<std::string> PossibleChartOutputNames(const std::string& path,
                                                  const ConversionOptions& options) {
  std::vector<std::string> names{ChartOutputName(path, "txt")};
  for (const TExportFormatInfo& info : RequestedExports(options))
    names.push_back(ChartOutputName(path, std::string(info.Extension)));
  return names;
}

std::vector<ChartOutput> ChartOutputs(TCustomChart& chart,
                                      const std::string& path,
                                      const ConversionOptions& options) {
  const bool includeData = options.includeData;
  std::vector<ChartOutput> outputs;
  outputs.push_back({{ChartOutputName(path, "txt"),
                      [&chart, includeData](TStream& stream) {
                        WriteChartTextStreamed(chart, stream, includeData);
                      }},
                     {}});
  if (chart.SeriesCount() > 0) {
    for (const TExportFormatInfo& info : RequestedExports(options)) {
      outputs.push_back({{ChartOutputName(path, std::string(info.Extension)),
                          [&chart, format = info.Format](TStream& stream) {
                            CreateConverterExport(chart, format)->SaveToStream(stream);
                          }},
                         [&chart, format = info.Format] {
                           CreateConverterExport(chart, format)->CheckExportable();
                         }});
    }
  }
  return outputs;
}

EConversionWarnings::EConversionWarnings(ConversionWarnings warnings)
    : Exception("warning: " + warnings.front()), FWarnings(std::move(warnings)) {}

ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options) {
  const std::string inputName = WithDefaultChartExtension(path);
  for (const std::string& output : PossibleChartOutputNames(path, options)) {
    // The output first: it is usually missing, which one call tells.
    if (AreSameFile(output, inputName)) RefuseOutput(output, "it is the input file");
  }
  // The chart belongs to a host component for the length of one file, as it
  // would to a window: references to its children are written relative to it.
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  ConversionWarnings warnings = LoadChartFile(*chart, inputName);
  if (options.strict && !warnings.empty()) throw EConversionWarnings(std::move(warnings));
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
    outputs.push_back(std::move(output));
  }
  WriteFilesAtomically(outputs);
  if (refused) std::rethrow_exception(refused);
  return warnings;
}

ConversionWarnings CheckChartFile(const std::string& path) {
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  return LoadChartFile(*chart, WithDefaultChartExtension(path));
}

void BatchOutputClaims::Claim(const std::string& path, const ConversionOptions& options) {
  // The input is claimed even when its outputs are refused: no later output
  // may replace it. Its own outputs are refused by its conversion.
  const std::string inputKey = Key(WithDefaultChartExtension(path));
  FClaims.try_emplace(inputKey, Claimant{path, inputKey, true});
  std::vector<std::string> keys;
  for (const std::string& output : PossibleChartOutputNames(path, options)) {
    keys.push_back(Key(output));
    const auto earlier = FClaims.find(keys.back());
    if (earlier == FClaims.end() || earlier->second.inputKey == inputKey) continue;
    RefuseOutput(output,
                 (earlier->second.asInput ? "it is the input \"" : "it is written from \"") +
                     earlier->second.path + "\"");
  }
  for (const std::string& key : keys) FClaims.try_emplace(key, Claimant{path, inputKey, false});
}

std::string BatchOutputClaims::Key(const std::string& path) {
  const PathParts parts = SplitPath(path);
  const std::string folder(parts.folder.empty() ? "." : parts.folder);
  auto [resolved, isNew] = FResolvedFolders.try_emplace(folder);
  if (isNew) resolved->second = ResolvedFolderName(folder);
  return JoinPath(resolved->second, parts.name);
}

}  // namespace kel
