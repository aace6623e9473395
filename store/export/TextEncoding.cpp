#include "store/export/TextEncoding.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <bit>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

constexpr size_t kOutputBlock = 1 << 16;

// UTF-16 little-endian: the text's own memory on a little-endian machine,
// otherwise written unit by unit.
class Utf16LittleEndian : public TEncoding {
 public:
  std::string_view Preamble() const override { return "\xFF\xFE"; }

  void Write(TStream& stream, std::u16string_view text, bool) override {
    if constexpr (std::endian::native == std::endian::little) {
      // The units in memory are already the bytes wanted.
      stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size() * 2));
      return;
    }
    FBytes.resize(text.size() * 2);
    for (size_t i = 0; i < text.size(); ++i) {
      FBytes[2 * i] = static_cast<char>(text[i] & 0xFF);
      FBytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    stream.WriteBuffer(FBytes.data(), static_cast<int64_t>(FBytes.size()));
  }

 private:
  std::vector<char> FBytes;
};

// UTF-8 without a byte-order mark, ASCII runs copied byte for byte; a lone
// surrogate becomes '?', as the converters' substitute.
class Utf8 : public TEncoding {
 public:
  std::string_view Preamble() const override { return {}; }

  void Write(TStream& stream, std::u16string_view text, bool last) override {
    for (size_t start = 0; start < text.size(); start += kOutputBlock) {
      const std::u16string_view part = text.substr(start, kOutputBlock);
      // At most three bytes per unit, and a held high surrogate's '?'.
      FBytes.resize(part.size() * 3 + 1);
      char* out = FBytes.data();
      for (size_t i = 0; i < part.size(); ++i) {
        const char16_t c = part[i];
        if (c < 0x80 && FHighSurrogate == 0) {
          *out++ = static_cast<char>(c);
        } else {
          out = PutUnit(out, c);
        }
      }
      stream.WriteBuffer(FBytes.data(), out - FBytes.data());
    }
    if (last && FHighSurrogate != 0) {
      FHighSurrogate = 0;
      stream.WriteBuffer("?", 1);
    }
  }

 private:
  static bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

  char* PutUnit(char* out, char16_t c) {
    if (FHighSurrogate != 0) {
      const char16_t high = FHighSurrogate;
      FHighSurrogate = 0;
      if (IsLowSurrogate(c)) {
        return Put(out, 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (c - 0xDC00));
      }
      *out++ = '?';
    }
    if (c >= 0xD800 && c <= 0xDBFF) {
      FHighSurrogate = c;
      return out;
    }
    if (IsLowSurrogate(c)) {
      *out++ = '?';
      return out;
    }
    return Put(out, c);
  }
  static char* Put(char* out, char32_t c) {
    if (c < 0x80) {
      *out++ = static_cast<char>(c);
      return out;
    }
    if (c < 0x800) {
      *out++ = static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
      *out++ = static_cast<char>(0xE0 | (c >> 12));
      *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
      *out++ = static_cast<char>(0xF0 | (c >> 18));
      *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
    return out;
  }

  std::string FBytes;
  char16_t FHighSurrogate = 0;
};

class IcuEncoding : public TEncoding {
 public:
  IcuEncoding(const std::string& name, bool xmlCharacterReferences) {
    UErrorCode status = U_ZERO_ERROR;
    FConverter = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status)) {
      if (FConverter != nullptr) ucnv_close(FConverter);
      throw EConvertError("Unknown encoding \"" + name + "\"");
    }
    if (xmlCharacterReferences) {
      ucnv_setFromUCallBack(FConverter, UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC, nullptr,
                            nullptr, &status);
    } else {
      ucnv_setSubstChars(FConverter, "?", 1, &status);
    }
    // Some converters (UTF-32, UTF-16 with a byte order) put their mark in
    // front of the first output; it is written as the preamble instead.
    char mark[8];
    const UChar nothing = 0;
    const int32_t length = ucnv_fromUChars(FConverter, mark, sizeof mark, &nothing, 0, &status);
    FPreamble.assign(mark, static_cast<size_t>(std::max(length, 0)));
    ucnv_reset(FConverter);
  }
  ~IcuEncoding() override { ucnv_close(FConverter); }

  std::string_view Preamble() const override { return FPreamble; }

  void Write(TStream& stream, std::u16string_view text, bool last) override {
    const UChar* source = reinterpret_cast<const UChar*>(text.data());
    const UChar* sourceEnd = source + text.size();
    FBytes.resize(kOutputBlock);
    for (;;) {
      char* target = FBytes.data();
      UErrorCode status = U_ZERO_ERROR;
      ucnv_fromUnicode(FConverter, &target, FBytes.data() + FBytes.size(), &source, sourceEnd,
                       nullptr, last, &status);
      stream.WriteBuffer(FBytes.data(), target - FBytes.data());
      if (status != U_BUFFER_OVERFLOW_ERROR) break;
    }
  }

 private:
  UConverter* FConverter = nullptr;
  std::string FPreamble;
  std::vector<char> FBytes;
};

}  // namespace

std::unique_ptr<TEncoding> TEncoding::Create(const std::string& name, bool xmlCharacterReferences) {
  // An empty name would open the converter of the process's own locale.
  if (name.empty()) throw EConvertError("Unknown encoding \"\"");
  if (SameText(Utf8ToUtf16(name), u"UTF-16")) return std::make_unique<Utf16LittleEndian>();
  if (SameText(Utf8ToUtf16(name), u"UTF-8")) return std::make_unique<Utf8>();
  return std::make_unique<IcuEncoding>(name, xmlCharacterReferences);
}

std::unique_ptr<TEncoding> TEncoding::DefaultCodePage() {
  return std::make_unique<IcuEncoding>("windows-1252", false);
}

}  // namespace kel
