// Comparison of names (classes, components, extra entries, identifiers)
// without regard to ASCII case; other characters compare by code unit.
#pragma once

#include <string_view>

namespace kel {

inline char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

inline bool SameTextAscii(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

}  // namespace kel
