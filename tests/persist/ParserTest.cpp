#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Parser.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

using namespace std::string_literals;

TMemoryStream TextStream(std::string_view text) {
  return TMemoryStream(std::vector<uint8_t>(text.begin(), text.end()));
}

// "kind:text" for each token up to the end, kinds as S(ymbol), "(string),
// W(ide string), I(nteger), F(loat, with its suffix after a '/') or the character.
std::vector<std::string> Tokens(std::string_view text) {
  TMemoryStream stream = TextStream(text);
  TParser parser(stream);
  std::vector<std::string> tokens;
  for (char t = parser.Token(); t != toEOF; t = parser.NextToken()) {
    const std::string value = Utf16ToUtf8(parser.TokenString());
    switch (t) {
      case toSymbol:
        tokens.push_back("S:" + value);
        break;
      case toString:
        tokens.push_back("\":" + value);
        break;
      case toWString:
        tokens.push_back("W:" + value);
        break;
      case toInteger:
        tokens.push_back("I:" + value);
        break;
      case toFloat:
        tokens.push_back("F:" + value);
        break;
      default:
        tokens.push_back(std::string(1, t));
    }
  }
  return tokens;
}

std::string ErrorOf(std::string_view text, void (*use)(TParser&)) {
  TMemoryStream stream = TextStream(text);
  try {
    TParser parser(stream);
    use(parser);
  } catch (const EParserError& e) {
    return e.Message();
  }
  return "no error";
}

void ReadAll(TParser& parser) {
  while (parser.Token() != toEOF) parser.NextToken();
}

struct TokenCase {
  const char* text;
  std::vector<std::string> tokens;
};

TEST(TParser, Tokens) {
  const TokenCase cases[] = {
      {"object Chart1: TChart", {"S:object", "S:Chart1", ":", "S:TChart"}},
      {" \t\r\n\x01_a1.b2 = ", {"S:_a1", ".", "S:b2", "="}},
      {"12 -5 $1F 007", {"I:12", "I:-5", "I:$1F", "I:007"}},
      {"1.5 -2E3 15000c 2.5S 1d 3f", {"F:1.5", "F:-2E3", "F:15000c", "F:2.5S", "F:1d", "F:3f"}},
      {"1-2 - 12abc", {"F:1-2", "I:-", "I:12", "S:abc"}},
      {"'It''s' 'It'#39's' ''", {"\":It's", "\":It's", "\":"}},
      {"#13#10'x' # ", {"\":\r\nx", "\":\0"s}},
      {"'caf'#233 #$", {"W:caf\xC3\xA9", "\":\0"s, "I:$"}},
      {"#65536 #127", {"W:\0"s, "\":\x7F"}},
      {"(<[{}]>),+", {"(", "<", "[", "{", "}", "]", ">", ")", ",", "+"}},
      // Without a byte order mark the text is in the ANSI code page.
      {"'caf\xC3\xA9' x\xE9", {"\":caf\xC3\x83\xC2\xA9", "S:x", "\xE9"}},
      {"\xEF\xBB\xBF'caf\xC3\xA9' Gr\xC3\xBCn \xE6\x97\xA5\xE6\x9C\xAC x\xCC\x81",
       {"\":caf\xC3\xA9", "S:Gr\xC3\xBCn", "S:\xE6\x97\xA5\xE6\x9C\xAC", "S:x\xCC\x81"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Tokens(c.text), c.tokens);
  }
}

TEST(TParser, NumbersAndSuffixes) {
  TMemoryStream stream =
      TextStream("$FFFFFFFFFFFFFFFF -9223372036854775808 1.5s 15000C 1e-400 -1.79769313486232E308");
  TParser parser(stream);
  EXPECT_EQ(parser.TokenInt(), -1);
  parser.NextToken();
  EXPECT_EQ(parser.TokenInt(), INT64_MIN);
  parser.NextToken();
  EXPECT_EQ(parser.FloatType(), 's');
  EXPECT_EQ(parser.TokenFloat(), 1.5);
  parser.NextToken();
  EXPECT_EQ(parser.FloatType(), 'C');
  EXPECT_EQ(parser.TokenFloat(), 15000);
  parser.NextToken();
  EXPECT_EQ(parser.FloatType(), 0);
  EXPECT_EQ(parser.TokenFloat(), 0);
  // The printed form of the largest double lies just above it.
  parser.NextToken();
  EXPECT_EQ(parser.TokenFloat(), -DBL_MAX);
}

TEST(TParser, LineNumbersAndDottedIdents) {
  TMemoryStream stream = TextStream("a\r\n\r\n  Title.Font.Color x.\n");
  TParser parser(stream);
  EXPECT_EQ(parser.SourceLine(), 1);
  parser.NextToken();
  EXPECT_EQ(parser.SourceLine(), 3);
  EXPECT_EQ(parser.SourcePos(), 7);
  EXPECT_EQ(parser.TokenComponentIdent(), u"Title.Font.Color");
  parser.NextToken();
  try {
    parser.TokenComponentIdent();
    ADD_FAILURE() << "no error";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), "Identifier expected on line 3");
  }
}

// Text spanning many buffer refills keeps its tokens and line numbers whole.
TEST(TParser, TokensAcrossBufferRefills) {
  std::string text;
  for (int i = 0; i < 3000; ++i)
    text += "  Name" + std::to_string(i) + " = 'v" + std::to_string(i) + "'\r\n";
  TMemoryStream stream = TextStream(text);
  TParser parser(stream);
  for (int i = 0; i < 3000; ++i) {
    ASSERT_EQ(parser.SourceLine(), i + 1);
    ASSERT_EQ(parser.TokenString(), Utf8ToUtf16("Name" + std::to_string(i)));
    ASSERT_EQ(parser.NextToken(), '=');
    ASSERT_EQ(parser.NextToken(), toString);
    ASSERT_EQ(parser.TokenString(), Utf8ToUtf16("v" + std::to_string(i)));
    parser.NextToken();
  }
  EXPECT_EQ(parser.Token(), toEOF);
}

TEST(TParser, HexBlocks) {
  std::string hex = "{ 0a0B\r\n";
  std::vector<uint8_t> expected = {0x0A, 0x0B};
  for (int i = 0; i < 500; ++i) {
    hex += "  00112233445566778899AABBCCDDEEFF\r\n";
    for (int b = 0; b < 16; ++b) expected.push_back(static_cast<uint8_t>(b * 0x11));
  }
  hex += "  FF}x";
  expected.push_back(0xFF);
  TMemoryStream stream = TextStream(hex);
  TParser parser(stream);
  EXPECT_EQ(parser.HexToBinary(), expected);
  EXPECT_EQ(parser.Token(), '}');
  EXPECT_EQ(parser.SourceLine(), 502);
  EXPECT_EQ(parser.NextToken(), toSymbol);
}

TEST(TParser, StreamStandsAfterTheCurrentToken) {
  TMemoryStream stream = TextStream("end\r\nrest");
  {
    TParser parser(stream);
    EXPECT_TRUE(parser.TokenSymbolIs("END"));
  }
  EXPECT_EQ(stream.Position(), 3);
}

struct ErrorCase {
  const char* name;
  std::string text;
  void (*use)(TParser&);
  std::string message;
};

TEST(TParser, Errors) {
  const std::string longLine(5000, 'a');
  const ErrorCase cases[] = {
      {"UTF-16 little endian", "\xFF\xFEo\0", ReadAll, "ANSI or UTF8 encoding expected on line 1"},
      {"UTF-16 big endian", "\xFE\xFF\0o", ReadAll, "ANSI or UTF8 encoding expected on line 1"},
      {"unclosed string", "\n\n'abc\r\n'", ReadAll, "Invalid string constant on line 3"},
      {"string at the end", "'abc", ReadAll, "Invalid string constant on line 1"},
      {"line too long", "a\n" + longLine + "\n", ReadAll, "Line too long on line 2"},
      {"hex odd digits", "{ABC}", [](TParser& p) { p.HexToBinary(); },
       "Invalid binary value on line 1"},
      {"hex split pair", "{A B}", [](TParser& p) { p.HexToBinary(); },
       "Invalid binary value on line 1"},
      {"hex unclosed", "{AB", [](TParser& p) { p.HexToBinary(); },
       "Invalid binary value on line 1"},
      {"symbol expected", "=", [](TParser& p) { p.CheckToken(toSymbol); },
       "Identifier expected on line 1"},
      {"string expected", "x", [](TParser& p) { p.CheckToken(toString); },
       "String expected on line 1"},
      {"number expected", "x", [](TParser& p) { p.CheckToken(toInteger); },
       "Number expected on line 1"},
      {"character expected", "\n\nx", [](TParser& p) { p.CheckToken('='); },
       "''='' expected on line 3"},
      {"keyword expected", "x", [](TParser& p) { p.CheckTokenSymbol("OBJECT"); },
       "OBJECT expected on line 1"},
      {"lone minus", "-", [](TParser& p) { p.TokenInt(); },
       "'-' is not a valid integer value on line 1"},
      {"integer overflow", "9223372036854775808", [](TParser& p) { p.TokenInt(); },
       "'9223372036854775808' is not a valid integer value on line 1"},
      {"long hex", "$10000000000000000", [](TParser& p) { p.TokenInt(); },
       "'$10000000000000000' is not a valid integer value on line 1"},
      {"bare dollar", "$", [](TParser& p) { p.TokenInt(); },
       "'$' is not a valid integer value on line 1"},
      {"32-bit overflow", "2147483648", [](TParser& p) { p.TokenInt32(); },
       "'2147483648' is not a valid integer value on line 1"},
      {"malformed float", "1-2", [](TParser& p) { p.TokenFloat(); },
       "'1-2' is not a valid floating point value on line 1"},
      {"float overflow", "1e400", [](TParser& p) { p.TokenFloat(); },
       "'1e400' is not a valid floating point value on line 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.text, c.use), c.message);
  }
}

}  // namespace
}  // namespace kel
