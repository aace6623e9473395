// The tokenizer of the text form of component streams.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "persist/Stream.h"

namespace kel {

// Token kinds; any other character is a token of its own, named by itself.
enum : char {
  toEOF = 0,
  toSymbol = 1,
  toString = 2,
  toInteger = 3,
  toFloat = 4,
  toWString = 5,
};

// Splits text into symbols, strings, numbers and single characters. The input
// is read in blocks of whole lines; a UTF-8 byte order mark selects UTF-8,
// otherwise the text is in the ANSI code page. Errors are EParserError
// "MESSAGE on line N", N being the line of the current token.
class TParser {
 public:
  // Reads the first token.
  explicit TParser(TStream& stream);
  // Steps the stream back to right after the current token.
  ~TParser();
  TParser(const TParser&) = delete;
  TParser& operator=(const TParser&) = delete;

  char NextToken();
  char Token() const { return FToken; }
  // The suffix letter of a float token (c, d, f, s in either case), or 0.
  char FloatType() const { return FFloatType; }

  // Raise unless the current token is of that kind / that symbol.
  void CheckToken(char kind);
  void CheckTokenSymbol(std::string_view symbol);
  // True when the current token is that symbol, compared without ASCII case.
  bool TokenSymbolIs(std::string_view symbol) const;

  // The token's text; for string tokens their value.
  std::u16string TokenString() const;
  // The value of a string or wide string token.
  const std::u16string& TokenWideString() const { return FWideStr; }
  // The token as a 64-bit integer: decimal with optional '-', or '$' and up to
  // 16 hex digits (a bit pattern).
  int64_t TokenInt() const;
  // The same, for places that only hold 32-bit integers.
  int32_t TokenInt32() const;
  // The token's number without its suffix letter, '.' as decimal separator.
  double TokenFloat() const;
  // The current symbol and any ".symbol" parts that follow it directly, which
  // become part of the current token.
  std::u16string TokenComponentIdent();
  // Decodes the hex pairs that follow the current "{" up to the "}", which
  // becomes the current token.
  std::vector<uint8_t> HexToBinary();

  // Raises EParserError "MESSAGE on line N".
  [[noreturn]] void Error(std::string_view message) const;
  // The number conversion error for the current token: "'TEXT' is not a valid
  // KIND value" (KIND "integer" or "floating point").
  [[noreturn]] void NumberError(const char* kind) const;
  int SourceLine() const { return FSourceLine; }
  // Stream position of the current token.
  int64_t SourcePos() const;

 private:
  void ReadBuffer();
  void SkipBlanks();
  bool IsSymbolStart(const char* p, int* length) const;
  bool IsSymbolPart(const char* p, int* length) const;
  const char* ScanSymbol(const char* p) const;
  const char* ScanString(const char* p);
  const char* ScanNumber(const char* p);
  std::string_view TokenText() const;

  TStream* FStream;
  int64_t FOrigin;  // stream position of FBuffer[0]
  std::vector<char> FBuffer;
  char* FBufPtr;       // end of the valid bytes
  char* FSourcePtr;    // next byte to scan
  char* FSourceEnd;    // end of the whole lines ready to scan; holds a 0
  char* FTokenPtr;     // start of the current token
  char FSaveChar = 0;  // the byte the 0 at FSourceEnd replaced
  bool FAtStreamEnd = false;
  bool FUtf8 = false;
  int FSourceLine = 1;
  char FToken = toEOF;
  char FFloatType = 0;
  std::u16string FWideStr;  // value of a string token
};

}  // namespace kel
