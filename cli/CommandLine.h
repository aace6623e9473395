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
