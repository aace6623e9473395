#include "cli/Commands.h"

#include <exception>
#include <functional>
#include <string>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "platform/DirectorySearch.h"
#include "platform/Path.h"
#include "store/AtomicFileStream.h"
#include "store/ChartConversion.h"
#include "store/ChartFile.h"

namespace kel {
namespace {

using StreamConversion = std::function<void(TStream& input, TStream& output)>;

constexpr const char* kStandardOutput = "-";

void ReportWarnings(const std::string& path,
                    const ConversionWarnings& warnings,
                    std::ostream& errors) {
  for (const std::string& warning : warnings) errors << path << ": warning: " << warning << '\n';
}

// Runs one conversion step; a failure becomes one "PATH: MESSAGE" line, and
// what a strict conversion dropped one "PATH: warning: MESSAGE" line each.
bool Attempt(const std::string& path, std::ostream& errors, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const EConversionWarnings& failure) {
    ReportWarnings(path, failure.Warnings(), errors);
    return false;
  } catch (const std::exception& failure) {
    errors << path << ": " << failure.what() << '\n';
    return false;
  }
}

// Converts (or, without writing, checks) one chart file and reports what was
// dropped; true when it converted, and for a check when nothing was dropped.
bool ConvertOne(const std::string& path, const CommandLine& line, std::ostream& errors) {
  bool clean = true;
  const bool converted = Attempt(path, errors, [&] {
    const ConversionWarnings warnings = line.command == Command::Check
                                            ? CheckChartFile(path)
                                            : ConvertChartFile(path, line.conversion);
    ReportWarnings(path, warnings, errors);
    clean = warnings.empty();
  });
  return converted && (clean || line.command != Command::Check);
}

void ConvertStream(const std::string& in,
                   const std::string& out,
                   std::ostream& standardOutput,
                   const StreamConversion& convert) {
  TFileStream input(in, fmOpenRead | fmShareDenyWrite);
  if (out != kStandardOutput) {
    WriteFileAtomically(out, [&](TStream& output) { convert(input, output); });
    return;
  }
  // Standard output gets all of the result or, on failure, nothing.
  TMemoryStream output;
  convert(input, output);
  standardOutput.write(reinterpret_cast<const char*>(output.Memory()), output.Size());
  standardOutput.flush();
  if (!standardOutput) throw EWriteError(kSWriteError);
}

// Converts every chart file of the folder; true when all of them converted.
bool ConvertFolder(const std::string& folder, const CommandLine& line, std::ostream& errors) {
  if (!Attempt(folder, errors, [&] { CheckFolderReadable(folder); })) return false;
  bool allConverted = true;
  for (const std::string& name : FindFiles(folder, "*." + std::string(ChartFileExtension))) {
    const std::string path = JoinPath(folder, name);
    allConverted &= ConvertOne(path, line, errors);
  }
  return allConverted;
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
      for (const std::string& path : line.paths) {
        if (IsFolder(path)) {
          allConverted &= ConvertFolder(path, line, errors);
        } else {
          allConverted &= ConvertOne(path, line, errors);
        }
      }
      break;
  }
  return allConverted ? 0 : 1;
}

}  // namespace kel
