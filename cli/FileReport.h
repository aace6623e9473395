// What one file of a batch came to, and the lines that tell the user.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kel {

struct FileReport {
  std::vector<std::string> warnings;   // what the reader had to drop, in reading order
  std::optional<std::string> failure;  // the message of the failure that ended the file
  bool warningsFail = false;           // a warning fails the file (check, --strict)

  bool Failed() const { return failure.has_value() || (warningsFail && !warnings.empty()); }
  // Whether the report has lines to print.
  bool HasLines() const { return failure.has_value() || !warnings.empty(); }
};

// Prints the report of the file at `path`: one line "PATH: warning: MESSAGE"
// per warning, then "PATH: MESSAGE" for the failure, control characters
// escaped so that each report is one line.
void PrintFileReport(std::ostream& errors, const std::string& path, const FileReport& report);

}  // namespace kel
