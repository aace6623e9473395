#include "cli/FileReport.h"

namespace kel {

void PrintFileReport(std::ostream& errors, const std::string& path, const FileReport& report) {
  for (const std::string& warning : report.warnings) {
    errors << path << ": warning: " << warning << '\n';
  }
  if (report.failure) errors << path << ": " << *report.failure << '\n';
}

}  // namespace kel
