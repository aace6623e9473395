#include "platform/MessageText.h"

#include <cstdio>
#include <new>

namespace kel {

std::string EscapeControlCharacters(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    char code[8];
    if (byte == '\n') {
      escaped += "\\n";
    } else if (byte == '\r') {
      escaped += "\\r";
    } else if (byte == '\t') {
      escaped += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(code, sizeof code, "\\x%02x", byte);
      escaped += code;
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned char>(text[++i]));
      escaped += code;
    } else {
      escaped += text[i];
    }
  }
  return escaped;
}

std::string FailureText(const std::exception& failure) {
  if (dynamic_cast<const std::bad_alloc*>(&failure) != nullptr) return "Out of memory";
  return failure.what();
}

}  // namespace kel
