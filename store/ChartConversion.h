// The one conversion path of the program, shared by the window and kelconv:
// one chart file in, its text form (and, with data, its value documents) out.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "store/AtomicFileStream.h"
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

// One file a conversion writes: where it goes and what fills it, and
// whether the chart fits it at all.
struct ChartOutput : StreamReplacement {
  // Raises, before anything is written, when the chart does not fit this
  // document's format at all; none when it always does.
  std::function<void()> check;
};

// Every file a conversion of `path` with these options may write, whatever
// the chart holds: the names ChartOutputs can give, known before loading.
std::vector<std::string> PossibleChartOutputNames(const std::string& path,
                                                  const ConversionOptions& options);

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
// carrying its message; returns what the reader dropped. A strict
// conversion raises EConversionWarnings instead of writing when anything
// was dropped. An input that is one of its own possible outputs (the same
// file, also through a link) is refused before anything is read:
// EFCreateError "Cannot write file "OUT": it is the input file".
ConversionWarnings ConvertChartFile(const std::string& path, const ConversionOptions& options);

// Loads the chart file at `path` as ConvertChartFile does and writes
// nothing; returns what the reader dropped.
ConversionWarnings CheckChartFile(const std::string& path);

// The outputs of one batch, claimed input by input in the batch's order, so
// that no output replaces an input of the batch or another input's output,
// whichever input happens to be converted first.
class BatchOutputClaims {
 public:
  // Claims the input `path` and its PossibleChartOutputNames. Raises
  // EFCreateError, claiming the input only, when an output is already
  // claimed by another input:
  // "Cannot write file "OUT": it is written from "EARLIER"" or, for an
  // earlier input, "Cannot write file "OUT": it is the input "EARLIER"".
  // Paths are compared with their folders resolved, so that two spellings of
  // one folder meet.
  void Claim(const std::string& path, const ConversionOptions& options);

 private:
  struct Claimant {
    std::string path;      // the input as the batch names it
    std::string inputKey;  // the input as Key gives it: one input listed twice meets itself
    bool asInput = false;
  };
  std::string Key(const std::string& path);

  std::map<std::string, Claimant> FClaims;
  std::map<std::string, std::string> FResolvedFolders;
};

}  // namespace kel
