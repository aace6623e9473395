// Text conversions at the edges: texts live in memory as UTF-16; streams hold
// UTF-8, UTF-16LE or 8-bit text in the ANSI code page (Windows-1252 here).
#pragma once

#include <string>
#include <string_view>

#include "platform/Utf.h"

namespace kel {

// The ANSI code page used for 8-bit stream texts.
std::u16string AnsiToUtf16(std::string_view ansi);
// Characters the code page cannot hold become '?'.
std::string Utf16ToAnsi(std::u16string_view utf16);

bool IsAscii(std::string_view bytes);
bool IsAscii(std::u16string_view text);

// Caseless comparison of names: ASCII folding for pure ASCII names, full
// Unicode case folding otherwise.
bool SameText(std::u16string_view a, std::u16string_view b);
// Upper-cases ASCII letters only.
std::u16string AsciiUpperCase(std::u16string_view text);

inline std::u16string operator""_u(const char* text, size_t length) {
  return Utf8ToUtf16(std::string_view(text, length));
}

}  // namespace kel
