// Byte sequences written as hex text ("05 57 69"), for readable fixtures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kel::test {

inline std::vector<uint8_t> Hex(std::string_view text) {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (const char c : text) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (digit < 0) continue;
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  return bytes;
}

inline std::string ToHex(const std::vector<uint8_t>& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  return text;
}

}  // namespace kel::test
