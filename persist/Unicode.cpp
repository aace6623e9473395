#include "persist/Unicode.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace kel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

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

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  while (p < end) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      out.push_back(lead);
      ++p;
      continue;
    }
    int extra = lead >= 0xF0 && lead <= 0xF4 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (lead >= 0xF5) extra = -1;
    if (extra < 0 || end - p <= extra) {
      out.push_back(kReplacement);
      ++p;
      continue;
    }
    char32_t c = lead & (0x3F >> extra);
    bool valid = true;
    for (int i = 1; i <= extra; ++i) {
      if ((p[i] & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      c = (c << 6) | (p[i] & 0x3F);
    }
    const char32_t minimum = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
    if (!valid || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out.push_back(kReplacement);
      ++p;
      continue;
    }
    AppendUtf16(out, c);
    p += extra + 1;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

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
