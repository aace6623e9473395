#include "platform/FailureReport.h"

namespace kel {

std::u16string FailureReportText(std::u16string_view message) {
  std::u16string text(message);
  if (!text.empty() && text.back() > u'.') text += u'.';
  return text;
}

}  // namespace kel
