#include "cli/Commands.h"

#include <exception>
#include <functional>
#include <new>
#include <string>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "platform/DirectorySearch.h"
#include "platform/MessageText.h"
#include "platform/Path.h"
#include "store/AtomicFileStream.h"
#include "store/ChartConversion.h"
#include "store/ChartFile.h"
#include "store/InputStream.h"

namespace kel {
namespace {

using StreamConversion = std::function<void(TStream& input, TStream& output)>;

constexpr const char* kStandardOutput = "-";

// Runs one conversion step; a failure becomes one "PATH: MESSAGE" line.
bool Attempt(const std::string& path, std::ostream& errors, const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::bad_alloc&) {
    errors << EscapeControlCharacters(path) << ": Out of memory\n";
  } catch (const std::exception& failure) {
    errors << EscapeControlCharacters(path) << ": " << EscapeControlCharacters(failure.what())
           << '\n';
  }
  return false;
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

// Converts every chart file of the folder; true when all of them converted.
bool ConvertFolder(const std::string& folder,
                   const ConversionOptions& options,
                   std::ostream& errors) {
  if (!Attempt(folder, errors, [&] { CheckFolderReadable(folder); })) return false;
  bool allConverted = true;
  for (const std::string& name : FindFiles(folder, "*." + std::string(ChartFileExtension))) {
    const std::string path = JoinPath(folder, name);
    allConverted &= Attempt(path, errors, [&] { ConvertChartFile(path, options); });
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
      for (const std::string& path : line.paths) {
        if (IsFolder(path)) {
          allConverted &= ConvertFolder(path, line.conversion, errors);
        } else {
          allConverted &= Attempt(path, errors, [&] { ConvertChartFile(path, line.conversion); });
        }
      }
      break;
  }
  return allConverted ? 0 : 1;
}

}  // namespace kel
