#include "persist/Unicode.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace kel {
namespace {

// The shared converter for the ANSI code page; ICU converters are not thread
// safe, so every use holds the lock.
struct AnsiConverter {
  std::mutex lock;
  UConverter* converter = nullptr;
  AnsiConverter() {
    UErrorCode status = U_ZERO_ERROR;
    converter = ucnv_open("windows-1252", &status);
    if (U_FAILURE(status)) converter = nullptr;
  }
  ~AnsiConverter() {
    if (converter) ucnv_close(converter);
  }
};

AnsiConverter& Ansi() {
  static AnsiConverter instance;
  return instance;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
  if (IsAscii(ansi)) return std::u16string(ansi.begin(), ansi.end());
  auto& shared = Ansi();
  std::lock_guard guard(shared.lock);
  std::u16string out(ansi.size() * 2 + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(shared.converter, out.data(), static_cast<int32_t>(out.size()),
                                  ansi.data(), static_cast<int32_t>(ansi.size()), &status);
  out.resize(U_SUCCESS(status) ? static_cast<size_t>(n) : 0);
  return out;
}

std::string Utf16ToAnsi(std::u16string_view utf16) {
  if (IsAscii(utf16)) return std::string(utf16.begin(), utf16.end());
  auto& shared = Ansi();
  std::lock_guard guard(shared.lock);
  std::string out(utf16.size() * 2 + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstChars(shared.converter, "?", 1, &status);
  const int32_t n = ucnv_fromUChars(shared.converter, out.data(), static_cast<int32_t>(out.size()),
                                    utf16.data(), static_cast<int32_t>(utf16.size()), &status);
  out.resize(U_SUCCESS(status) ? static_cast<size_t>(n) : 0);
  return out;
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

bool IsAscii(std::u16string_view text) {
  for (const char16_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      char16_t x = a[i], y = b[i];
      if (x >= 'a' && x <= 'z') x -= 32;
      if (y >= 'a' && y <= 'z') y -= 32;
      if (x != y) return false;
    }
    return true;
  }
  const icu::UnicodeString ua(false, a.data(), static_cast<int32_t>(a.size()));
  const icu::UnicodeString ub(false, b.data(), static_cast<int32_t>(b.size()));
  return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT) == 0;
}

std::u16string AsciiUpperCase(std::u16string_view text) {
  std::u16string out(text);
  for (char16_t& c : out) {
    if (c >= 'a' && c <= 'z') c -= 32;
  }
  return out;
}

}  // namespace kel
