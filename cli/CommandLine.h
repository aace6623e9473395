// The command line of kelconv, parsed into what to do.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "store/ChartConversion.h"

namespace kel {

enum class Command { Help, Version, ToText, ToBinary, Convert, Check };

struct CommandLine {
  Command command = Command::Help;
  ConversionOptions conversion;    // Convert: --no-data, --strict
  std::vector<std::string> paths;  // Convert/Check: files and folders; ToText/ToBinary: IN, OUT
  // Convert: where more paths are listed (- for standard input), or nothing.
  std::string filesFrom;
  char listSeparator = '\n';  // '\0' with -0
  unsigned jobs = 0;          // files converted at once; 0 for every available processor
  bool quiet = false;         // no progress line
};

// A command line that does not fit the usage; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text printed by --help.
const char* UsageText();

}  // namespace kel
