#include "cli/FileReport.h"

#include "platform/MessageText.h"

namespace kel {

void PrintFileReport(std::ostream& errors, const std::string& path, const FileReport& report) {
  const std::string shownPath = EscapeControlCharacters(path);
  for (const std::string& warning : report.warnings) {
    errors << shownPath << ": warning: " << EscapeControlCharacters(warning) << '\n';
  }
  if (report.failure)
    errors << shownPath << ": " << EscapeControlCharacters(*report.failure) << '\n';
}

}  // namespace kel
