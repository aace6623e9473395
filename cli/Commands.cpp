#include "cli/Commands.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/BatchInputs.h"
#include "cli/BatchRunner.h"
#include "cli/FileReport.h"
#include "cli/PathList.h"
#include "cli/ProgressLine.h"
#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "platform/MessageText.h"
#include "platform/Processors.h"
#include "store/AtomicFileStream.h"
#include "store/ChartConversion.h"
#include "store/ChartFile.h"
#include "store/InputStream.h"

namespace kel {
namespace {

using StreamConversion = std::function<void(TStream& input, TStream& output)>;

constexpr const char* kStandardOutput = "-";

// Runs one stream conversion; a failure becomes one "PATH: MESSAGE" line.
bool Attempt(const std::string& path, std::ostream& errors, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& failure) {
    PrintFileReport(errors, path, {{}, FailureText(failure)});
    return false;
  }
}

void ConvertStream(const std::string& in,
                   const std::string& out,
                   std::ostream& standardOutput,
                   const StreamConversion& convert) {
  const std::unique_ptr<TStream> input = OpenInputStream(in);
  if (out != kStandardOutput) {
    WriteFileAtomically(out, [&](TStream& output) { convert(*input, output); });
    return;
  }
  // Standard output gets all of the result or, on failure, nothing.
  TMemoryStream output;
  convert(*input, output);
  standardOutput.write(reinterpret_cast<const char*>(output.Memory()), output.Size());
  standardOutput.flush();
  if (!standardOutput) throw EWriteError(kSWriteError);
}

// The files of the batch: the PATHs, then the paths listed in the list file;
// a list that cannot be read is a failed item of its own.
std::vector<BatchItem> BatchItems(const CommandLine& line) {
  std::vector<std::string> paths = line.paths;
  std::optional<std::string> listFailure;
  if (!line.filesFrom.empty()) {
    try {
      for (std::string& path : ReadPathListFile(line.filesFrom, line.listSeparator))
        paths.push_back(std::move(path));
    } catch (const std::exception& failure) {
      listFailure = failure.what();
    }
  }
  std::vector<BatchItem> items = CollectBatchItems(paths);
  if (listFailure) items.insert(items.begin(), BatchItem{line.filesFrom, listFailure});
  return items;
}

// Converts one chart file; a strict conversion that dropped something fails
// with the warnings as its report.
FileReport ConvertOne(const std::string& path, const ConversionOptions& options) {
  try {
    return {ConvertChartFile(path, options), {}};
  } catch (const EConversionWarnings& dropped) {
    return {dropped.Warnings(), {}, true};
  }
}

// Converts, or only loads (check), every file of the batch; true when none
// failed, and for a check when nothing was dropped either.
bool RunFiles(const CommandLine& line, std::ostream& errors) {
  std::vector<BatchItem> items = BatchItems(line);
  const bool check = line.command == Command::Check;
  // A check writes nothing, so it claims no outputs.
  if (!check) ClaimBatchOutputs(items, line.conversion);
  ProgressLine progress(errors, items.size(),
                        items.size() > 1 && !line.quiet && StandardErrorIsTerminal());
  const ConversionOptions& options = line.conversion;
  const FileJob job = [check, &options](const std::string& path) {
    return check ? FileReport{CheckChartFile(path), {}, true} : ConvertOne(path, options);
  };
  return RunBatch(items, line.jobs != 0 ? line.jobs : ProcessorsAvailable(), job, errors, progress);
}

}  // namespace

int RunCommand(const CommandLine& line, std::ostream& out, std::ostream& errors) {
  bool allConverted = true;
  switch (line.command) {
    case Command::Help:
      out << UsageText();
      break;
    case Command::Version:
      out << "kelconv " << KEL_VERSION << '\n';
      break;
    case Command::ToText:
    case Command::ToBinary: {
      const StreamConversion convert =
          line.command == Command::ToText ? ChartBinaryToText : ChartTextToBinary;
      const std::string& in = line.paths[0];
      allConverted = Attempt(in, errors, [&] { ConvertStream(in, line.paths[1], out, convert); });
      break;
    }
    case Command::Convert:
    case Command::Check:
      allConverted = RunFiles(line, errors);
      break;
  }
  return allConverted ? 0 : 1;
}

}  // namespace kel
