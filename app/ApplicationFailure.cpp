#include "app/ApplicationFailure.h"

#include "platform/MessageText.h"
#include "platform/Utf.h"

namespace kel {

std::u16string FailureMessage(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& exception) {
    return Utf8ToUtf16(EscapeControlCharacters(FailureText(exception)));
  } catch (...) {
    return u"Unknown failure";
  }
}

void RunEventHandler(FailureReport& report, const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    report.Show(FailureMessage(std::current_exception()));
  }
}

}  // namespace kel
