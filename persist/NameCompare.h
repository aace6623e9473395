// Comparison of names (classes, components, extra entries, identifiers)
// without regard to ASCII case; other characters compare by code unit.
#pragma once

#include <string_view>

namespace kel {

inline char16_t AsciiUpper(char16_t c) {
  return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

// Negative, zero or positive, like a three-way comparison.
inline int CompareTextAscii(std::u16string_view a, std::u16string_view b) {
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < common; ++i) {
    const char16_t x = AsciiUpper(a[i]);
    const char16_t y = AsciiUpper(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

inline bool SameTextAscii(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareTextAscii(a, b) == 0;
}

}  // namespace kel
