#include "platform/BatchProgress.h"

#include "platform/Utf.h"

namespace kel {

std::u16string BatchProgressText(int k, int n, std::u16string_view fileName) {
  std::u16string text = u"Converting file " + Utf8ToUtf16(std::to_string(k)) + u" of " +
                        Utf8ToUtf16(std::to_string(n)) + u"\n";
  text += fileName;
  return text;
}

}  // namespace kel
