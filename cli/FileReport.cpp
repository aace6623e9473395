#include "cli/FileReport.h"

#include <new>

#include "platform/MessageText.h"

namespace kel {

std::string FailureText(const std::exception& failure) {
  if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) return "Out of memory";
  return failure.what();
}

void PrintFileReport(std::ostream& errors, const std::string& path, const FileReport& report) {
  const std::string shownPath = EscapeControlCharacters(path);
  for (const std::string& warning : report.warnings) {
    errors << shownPath << ": warning: " << EscapeControlCharacters(warning) << '\n';
  }
  if (report.failure)
    errors << shownPath << ": " << EscapeControlCharacters(*report.failure) << '\n';
}

}  // namespace kel
