// The application's failure report: an error box titled with the
// application's title, showing a failure's message.
#pragma once

#include <string>
#include <string_view>

namespace kel {

class FailureReport {
 public:
  virtual ~FailureReport() = default;

  // Shows FailureReportText(message) and waits until the user acknowledges it.
  virtual void Show(std::u16string_view message) = 0;
};

// The text the report shows: the message, with a full stop appended when the
// code of its last character is above that of '.', so that a sentence gets
// its stop while messages ending in '.', '!', ')' or a blank are left alone.
std::u16string FailureReportText(std::u16string_view message);

}  // namespace kel
