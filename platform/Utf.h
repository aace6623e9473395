// Conversions between UTF-8, in which the system's texts come and go, and
// UTF-16, in which they are held in memory.
#pragma once

#include <string>
#include <string_view>

namespace kel {

// Invalid UTF-8 sequences decode to U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates encode as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace kel
