#include "persist/Parser.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "persist/Exceptions.h"
#include "persist/Unicode.h"
#include "platform/CLocaleNumbers.h"

namespace kel {
namespace {

// Lines are read into a buffer of this size, one byte kept for the end mark.
constexpr int kParseBufSize = 4096;

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsFloatPart(char c) {
  return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'E' || c == 'e';
}

bool IsFloatSuffix(char c) {
  return std::strchr("cCdDfFsS", c) != nullptr && c != 0;
}

// Unicode categories that may start a symbol, and the further ones that may
// continue it.
constexpr uint32_t kSymbolStartCategories =
    U_MASK(U_UPPERCASE_LETTER) | U_MASK(U_LOWERCASE_LETTER) | U_MASK(U_TITLECASE_LETTER) |
    U_MASK(U_MODIFIER_LETTER) | U_MASK(U_OTHER_LETTER) | U_MASK(U_LETTER_NUMBER);
constexpr uint32_t kSymbolPartCategories =
    kSymbolStartCategories | U_MASK(U_NON_SPACING_MARK) | U_MASK(U_COMBINING_SPACING_MARK) |
    U_MASK(U_DECIMAL_DIGIT_NUMBER) | U_MASK(U_CONNECTOR_PUNCTUATION) | U_MASK(U_FORMAT_CHAR);

bool SameAsciiText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

// The 15-digit text of the largest double lies just above it; texts up to
// there read as the largest double, as they are how it is printed.
constexpr long double kLargestPrintedDouble = 1.79769313486232E308L;

}  // namespace

TParser::TParser(TStream& stream)
    : FStream(&stream), FOrigin(stream.Position()), FBuffer(kParseBufSize, '\0') {
  FBufPtr = FSourcePtr = FSourceEnd = FTokenPtr = FBuffer.data();
  ReadBuffer();
  const auto* bytes = reinterpret_cast<const unsigned char*>(FBuffer.data());
  const size_t size = static_cast<size_t>(FBufPtr - FBuffer.data());
  if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    FUtf8 = true;
    FSourcePtr += 3;
  } else if (size >= 2 &&
             ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
    Error("ANSI or UTF8 encoding expected");
  }
  NextToken();
}

TParser::~TParser() {
  try {
    FStream->SetPosition(FOrigin + (FSourcePtr - FBuffer.data()));
  } catch (...) {
    // A destructor must not throw; the stream stays after the read-ahead.
  }
}

// Keeps the unscanned rest (an incomplete line) and fills the buffer up behind
// it; only whole lines are scanned, so no token is ever split by a refill.
void TParser::ReadBuffer() {
  *FSourceEnd = FSaveChar;
  char* data = FBuffer.data();
  const size_t rest = static_cast<size_t>(FBufPtr - FSourcePtr);
  FOrigin += FSourcePtr - data;
  std::memmove(data, FSourcePtr, rest);
  char* end = data + rest;
  char* const limit = data + kParseBufSize - 1;
  while (!FAtStreamEnd && end < limit) {
    const int64_t n = FStream->Read(end, limit - end);
    if (n <= 0) {
      FAtStreamEnd = true;
    } else {
      end += n;
    }
  }
  FBufPtr = end;
  FSourcePtr = data;
  if (FAtStreamEnd) {
    FSourceEnd = end;
  } else {
    char* lineEnd = end;
    while (lineEnd > data && lineEnd[-1] != '\n') --lineEnd;
    if (lineEnd == data) Error("Line too long");
    FSourceEnd = lineEnd;
  }
  FSaveChar = *FSourceEnd;
  *FSourceEnd = 0;
}

void TParser::SkipBlanks() {
  for (;;) {
    const char c = *FSourcePtr;
    if (c == 0) {
      // The mark at the end of the scanned lines; a 0 byte elsewhere is a token.
      if (FSourcePtr != FSourceEnd || FAtStreamEnd) return;
      ReadBuffer();
      continue;
    }
    if (static_cast<unsigned char>(c) > ' ') return;
    if (c == '\n') ++FSourceLine;
    ++FSourcePtr;
  }
}

// Symbols are ASCII letters, digits and '_', and in UTF-8 text also the
// letters, marks and digits of other scripts.
bool TParser::IsSymbolStart(const char* p, int* length) const {
  *length = 1;
  if (IsAsciiLetter(*p)) return true;
  if (!FUtf8 || static_cast<unsigned char>(*p) < 0x80) return false;
  int32_t i = 0;
  UChar32 c = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(p), i, static_cast<int32_t>(FSourceEnd - p), c);
  *length = i;
  return c >= 0 && (U_GET_GC_MASK(c) & kSymbolStartCategories) != 0;
}

bool TParser::IsSymbolPart(const char* p, int* length) const {
  *length = 1;
  if (IsAsciiLetter(*p) || IsDigit(*p)) return true;
  if (!FUtf8 || static_cast<unsigned char>(*p) < 0x80) return false;
  int32_t i = 0;
  UChar32 c = 0;
  U8_NEXT(reinterpret_cast<const uint8_t*>(p), i, static_cast<int32_t>(FSourceEnd - p), c);
  *length = i;
  return c >= 0 && (U_GET_GC_MASK(c) & kSymbolPartCategories) != 0;
}

const char* TParser::ScanSymbol(const char* p) const {
  int length = 0;
  IsSymbolStart(p, &length);
  p += length;
  while (IsSymbolPart(p, &length)) p += length;
  return p;
}

// A string token is a run of "#code" and quoted parts. It is wide when a code
// is 128 or more: then every code and every quoted byte is one character as it
// stands. Otherwise the bytes are text in the source encoding.
const char* TParser::ScanString(const char* p) {
  std::string bytes;
  std::u16string chars;
  bool wide = false;
  for (;;) {
    if (*p == '#') {
      ++p;
      uint32_t value = 0;  // saturates; only compared with 128
      char16_t code = 0;   // the code cut to 16 bits
      for (; IsDigit(*p); ++p) {
        value = std::min<uint32_t>(value * 10 + static_cast<uint32_t>(*p - '0'), 1u << 20);
        code = static_cast<char16_t>(code * 10 + (*p - '0'));
      }
      if (value >= 128) wide = true;
      bytes.push_back(static_cast<char>(code));
      chars.push_back(code);
    } else if (*p == '\'') {
      ++p;
      for (;;) {
        if (p == FSourceEnd || *p == '\r' || *p == '\n') Error("Invalid string constant");
        if (*p == '\'') {
          if (p[1] != '\'') {
            ++p;
            break;
          }
          ++p;
        }
        bytes.push_back(*p);
        chars.push_back(static_cast<unsigned char>(*p));
        ++p;
      }
    } else {
      break;
    }
  }
  if (wide) {
    FToken = toWString;
    FWideStr = std::move(chars);
  } else {
    FToken = toString;
    FWideStr = FUtf8 ? Utf8ToUtf16(bytes) : AnsiToUtf16(bytes);
  }
  return p;
}

const char* TParser::ScanNumber(const char* p) {
  FToken = toInteger;
  ++p;
  while (IsDigit(*p)) ++p;
  if (IsFloatPart(*p)) {
    FToken = toFloat;
    while (IsFloatPart(*p)) ++p;
  }
  if (IsFloatSuffix(*p)) {
    FToken = toFloat;
    FFloatType = *p++;
  }
  return p;
}

char TParser::NextToken() {
  SkipBlanks();
  const char* p = FSourcePtr;
  FTokenPtr = FSourcePtr;
  FFloatType = 0;
  int length = 0;
  if (IsSymbolStart(p, &length)) {
    FToken = toSymbol;
    p = ScanSymbol(p);
  } else if (*p == '#' || *p == '\'') {
    p = ScanString(p);
  } else if (*p == '$') {
    FToken = toInteger;
    for (++p; HexValue(*p) >= 0;) ++p;
  } else if (*p == '-' || IsDigit(*p)) {
    p = ScanNumber(p);
  } else if (*p == 0 && p == FSourceEnd) {
    FToken = toEOF;
  } else {
    FToken = *p++;
  }
  FSourcePtr = const_cast<char*>(p);
  return FToken;
}

std::string_view TParser::TokenText() const {
  return std::string_view(FTokenPtr, static_cast<size_t>(FSourcePtr - FTokenPtr));
}

void TParser::CheckToken(char kind) {
  if (FToken == kind) return;
  switch (kind) {
    case toSymbol:
      Error("Identifier expected");
    case toString:
    case toWString:
      Error("String expected");
    case toInteger:
    case toFloat:
      Error("Number expected");
    default:
      Error("''" + std::string(1, kind) + "'' expected");
  }
}

void TParser::CheckTokenSymbol(std::string_view symbol) {
  if (!TokenSymbolIs(symbol)) Error(std::string(symbol) + " expected");
}

bool TParser::TokenSymbolIs(std::string_view symbol) const {
  return FToken == toSymbol && SameAsciiText(TokenText(), symbol);
}

std::u16string TParser::TokenString() const {
  if (FToken == toString || FToken == toWString) return FWideStr;
  return FUtf8 ? Utf8ToUtf16(TokenText()) : AnsiToUtf16(TokenText());
}

void TParser::NumberError(const char* kind) const {
  Error("'" + std::string(TokenText()) + "' is not a valid " + kind + " value");
}

int64_t TParser::TokenInt() const {
  const std::string_view text = TokenText();
  if (!text.empty() && text[0] == '$') {
    std::string_view digits = text.substr(1);
    while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
    uint64_t bits = 0;
    if (digits.empty() || digits.size() > 16 ||
        std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16).ec != std::errc()) {
      NumberError("integer");
    }
    return static_cast<int64_t>(bits);
  }
  int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) NumberError("integer");
  return value;
}

int32_t TParser::TokenInt32() const {
  const int64_t value = TokenInt();
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    NumberError("integer");
  }
  return static_cast<int32_t>(value);
}

double TParser::TokenFloat() const {
  std::string_view text = TokenText();
  if (FFloatType != 0) text.remove_suffix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ptr != text.data() + text.size() || text.empty()) NumberError("floating point");
  if (result.ec == std::errc::result_out_of_range) {
    // Too small a value reads as zero or a subnormal; too large a one has no
    // double value.
    const long double wide = ParseLongDoubleC(std::string(text));
    if (!(std::fabs(wide) <= kLargestPrintedDouble)) NumberError("floating point");
    value = std::fabs(wide) > DBL_MAX ? std::copysign(DBL_MAX, static_cast<double>(wide))
                                      : static_cast<double>(wide);
  } else if (result.ec != std::errc()) {
    NumberError("floating point");
  }
  return value;
}

std::u16string TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  const char* p = FSourcePtr;
  while (*p == '.') {
    ++p;
    int length = 0;
    if (!IsSymbolStart(p, &length)) Error("Identifier expected");
    p = ScanSymbol(p);
  }
  FSourcePtr = const_cast<char*>(p);
  return TokenString();
}

std::vector<uint8_t> TParser::HexToBinary() {
  std::vector<uint8_t> bytes;
  SkipBlanks();
  while (*FSourcePtr != '}') {
    const char* p = FSourcePtr;
    // A hex digit is never the end mark, so p[1] stays inside the scanned lines.
    while (HexValue(p[0]) >= 0 && HexValue(p[1]) >= 0) {
      bytes.push_back(static_cast<uint8_t>(HexValue(p[0]) * 16 + HexValue(p[1])));
      p += 2;
    }
    if (p == FSourcePtr) Error("Invalid binary value");
    FSourcePtr = const_cast<char*>(p);
    SkipBlanks();
  }
  NextToken();
  return bytes;
}

void TParser::Error(std::string_view message) const {
  throw EParserError(std::string(message) + " on line " + std::to_string(FSourceLine));
}

int64_t TParser::SourcePos() const {
  return FOrigin + (FTokenPtr - FBuffer.data());
}

}  // namespace kel
