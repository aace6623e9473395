#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "persist/BinaryToText.h"
#include "persist/Exceptions.h"
#include "persist/TextToBinary.h"
#include "tests/persist/HexBytes.h"

namespace kel {
namespace {

using test::Hex;
using test::ToHex;

std::string Crlf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<uint8_t> ToBinary(std::string_view text) {
  TMemoryStream input(std::vector<uint8_t>(text.begin(), text.end()));
  TMemoryStream output;
  ComponentTextToBinary(input, output);
  return output.TakeBytes();
}

std::string ToText(const std::vector<uint8_t>& bytes) {
  TMemoryStream input(bytes);
  TMemoryStream output;
  ComponentBinaryToText(input, output);
  return std::string(output.Bytes().begin(), output.Bytes().end());
}

// The bytes of a TChart record whose only entry "P" has the given value.
std::string ValueBytes(std::string_view value) {
  const std::string text = "object TChart\r\n  P = " + std::string(value) + "\r\nend\r\n";
  const std::string bytes = ToHex(ToBinary(text));
  const std::string head = "54 50 46 30 06 54 43 68 61 72 74 00 01 50 ";
  const std::string tail = " 00 00";
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
  return bytes.substr(head.size(), bytes.size() - head.size() - tail.size());
}

struct ValueCase {
  const char* text;
  const char* bytes;
};

TEST(ComponentTextToBinary, ValueBytes) {
  const ValueCase cases[] = {
      {"1", "02 01"},
      {"-129", "03 7F FF"},
      {"32768", "04 00 80 00 00"},
      {"2147483648", "13 00 00 00 80 00 00 00 00"},
      {"$FF", "03 FF 00"},
      {"1.5", "05 00 00 00 00 00 00 00 C0 FF 3F"},
      {"1.5F", "05 00 00 00 00 00 00 00 C0 FF 3F"},
      {"1.5s", "0F 00 00 C0 3F"},
      {"15000c", "10 98 3A 00 00 00 00 00 00"},
      {"2.5C", "10 02 00 00 00 00 00 00 00"},
      {"1.5d", "11 00 00 00 00 00 00 F8 3F"},
      {"clRed", "07 05 63 6C 52 65 64"},
      {"Owner.Name", "07 0A 4F 77 6E 65 72 2E 4E 61 6D 65"},
      {"false", "08"},
      {"TRUE", "09"},
      {"Nil", "0D"},
      {"null", "00"},
      {"'Hi'", "06 02 48 69"},
      {"''", "12 00 00 00 00"},
      {"'It'#39's'", "06 04 49 74 27 73"},
      {"'It''s'", "06 04 49 74 27 73"},
      {"'caf'#233", "14 05 00 00 00 63 61 66 C3 A9"},
      {"#233", "12 01 00 00 00 E9 00"},
      {"'a' +\r\n    'b' + #9", "06 03 61 62 09"},
      {"()", "01 00"},
      {"(\r\n    1\r\n    'a')", "01 02 01 06 01 61 00"},
      {"[]", "0B 00"},
      {"[fsBold, fsItalic]", "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00"},
      {"[1, 'a', #300]", "0B 01 31 03 23 39 37 04 23 33 30 30 00"},
      {"{}", "0A 00 00 00 00"},
      {"{01 02\r\n  ff}", "0A 03 00 00 00 01 02 FF"},
      {"<>", "0E 00"},
      {"<\r\n    item\r\n      Visible = False\r\n    end>",
       "0E 01 07 56 69 73 69 62 6C 65 08 00 00"},
      {"<Item [3] END item [-1] end>", "0E 02 03 01 00 01 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ValueBytes(c.text), c.bytes);
  }
}

TEST(ComponentTextToBinary, RecordHeaders) {
  EXPECT_EQ(ToHex(ToBinary("Object Chart1: TChart\r\n"
                           "  INHERITED F1: TFrame [3] END\r\n"
                           "  inline F2: TFrame end\r\n"
                           "  object TAB [1000] end\r\n"
                           "End")),
            ToHex(Hex("54 50 46 30  06 54 43 68 61 72 74  06 43 68 61 72 74 31  00"
                      "F3 02 03  06 54 46 72 61 6D 65  02 46 31  00 00"
                      "F4  06 54 46 72 61 6D 65  02 46 32  00 00"
                      "F2 03 E8 03  03 54 41 42  00  00 00"
                      "00")));
}

// A chart in text form with an axis and a series holding a data block, and
// a text using every kind of value.
const char* const kExampleTexts[] = {
    R"(object TChart
  Left = 0
  Top = 0
  Width = 400
  Height = 250
  Title.Text.Strings = (
    'Sales 2014')
  LeftAxis.Automatic = False
  LeftAxis.Maximum = 100.000000000000000000
  object Series1: TLineSeries
    SeriesColor = clRed
    Title = 'It'#39's #1'
    Data = {
      0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F20
      2122232425262728}
  end
end
)",
    "\xEF\xBB\xBF"
    R"(object Gr)"
    "\xC3\xBC"
    R"(n: TChart
  Big = 9223372036854775807
  Small = -2147483648
  Ratio = 0.333333333333333300
  Huge = 1.797693134862316E308
  Tiny = -0.000000000000000001
  Single = 0.100000001490116s
  Money = -15000c
  When = 1.23456789012346E17d
  Empty = ''
  Wide = #26085#26412'/'#55357#56832
  Long = 
    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'#39#9 +
    'bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb' +
    #233
  Font.Style = [fsBold, fsItalic]
  NoStyle = []
  Lists = (
    (
      1
      nil)
    ()
    True
    <>)
  Items = <
    item [2]
      Caption = 'x'
      Sub = <
        item
        end>
    end
    item
    end>
  Blob = {00}
  inherited F1: TFrame [3]
  end
  inline F2: TFrame
    OnClick = F2Click
  end
end
)",
};

TEST(ComponentTextToBinary, TextRoundTripIsAFixedPoint) {
  for (const char* example : kExampleTexts) {
    const std::string text = Crlf(example);
    SCOPED_TRACE(text.substr(0, 40));
    EXPECT_EQ(ToText(ToBinary(text)), text);
  }
}

TEST(ComponentTextToBinary, BinaryRoundTripKeepsTheBytes) {
  for (const char* example : kExampleTexts) {
    const std::vector<uint8_t> bytes = ToBinary(Crlf(example));
    EXPECT_EQ(ToBinary(ToText(bytes)), bytes);
  }
}

TEST(ComponentTextToBinary, TextAfterTheRootIsNotExamined) {
  const std::string text = "object A\r\nend\r\n'unclosed {zz";
  TMemoryStream input(std::vector<uint8_t>(text.begin(), text.end()));
  TMemoryStream output;
  ComponentTextToBinary(input, output);
  EXPECT_EQ(ToHex(output.TakeBytes()), "54 50 46 30 01 41 00 00 00");
  EXPECT_EQ(input.Position(), 13);
}

struct ErrorCase {
  const char* name;
  std::string text;
  std::string message;
};

TEST(ComponentTextToBinary, ErrorsNameTheLine) {
  std::string deep = "object A\n P = ";
  for (int i = 0; i < kMaxStreamNesting; ++i) deep += "(";
  const ErrorCase cases[] = {
      {"missing equals sign", "object TChart\n a = 1\n b = 2\n c = 3\n d = 4\n e = 5\n f 6\nend",
       "''='' expected on line 7"},
      {"UTF-16", "\xFF\xFEo\0b\0", "ANSI or UTF8 encoding expected on line 1"},
      {"no object", "objekt TChart end", "OBJECT expected on line 1"},
      {"empty text", "", "OBJECT expected on line 1"},
      {"no class name", "object 5 end", "Identifier expected on line 1"},
      {"no class after colon", "object A: 'x' end", "Identifier expected on line 1"},
      {"child position not a number", "object A [x] end", "Number expected on line 1"},
      {"child position unclosed", "object A [1 end", "'']'' expected on line 1"},
      {"child position too large", "object A [4294967296] end",
       "'4294967296' is not a valid integer value on line 1"},
      {"no value", "object A\n P = ]\nend", "Invalid property value on line 2"},
      {"no property name", "object A\n 5 = 1\nend", "Identifier expected on line 2"},
      {"dot without name", "object A\n P. = 1\nend", "Identifier expected on line 2"},
      {"value dot without name", "object A\n P = a.5\nend", "Identifier expected on line 2"},
      {"plus without string", "object A\n P = 'a' +\n 1\nend", "String expected on line 3"},
      {"no item", "object A\n P = <x>\nend", "item expected on line 2"},
      {"item order not a number", "object A\n P = <item [a] end>\nend",
       "Number expected on line 2"},
      {"set without comma", "object A\n P = [a b]\nend", "'','' expected on line 2"},
      {"set element", "object A\n P = [=]\nend", "Identifier expected on line 2"},
      {"odd hex digits", "object A\n P = {0}\nend", "Invalid binary value on line 2"},
      {"unclosed string", "object A\n P = 'abc\nend", "Invalid string constant on line 2"},
      {"malformed float", "object A\n P = 1-2\nend",
       "'1-2' is not a valid floating point value on line 2"},
      {"single overflow", "object A\n P = 1e39s\nend",
       "'1e39s' is not a valid floating point value on line 2"},
      {"currency overflow", "object A\n P = 1e30c\nend",
       "'1e30c' is not a valid floating point value on line 2"},
      {"end of text in properties", "object A\n P = 1", "Identifier expected on line 2"},
      {"end of text in children", "object A\n object B\n", "Identifier expected on line 3"},
      {"end of text in a list", "object A\n P = (1", "Invalid property value on line 2"},
      {"end of text in a collection", "object A\n P = <", "item expected on line 2"},
      {"too deep", deep, "Nesting too deep on line 2"},
      {"line too long", "object A\n P = '" + std::string(5000, 'x') + "'\nend",
       "Line too long on line 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream input(std::vector<uint8_t>(c.text.begin(), c.text.end()));
    TMemoryStream output(std::vector<uint8_t>{'k', 'e', 'e', 'p'});
    output.Seek(0, TSeekOrigin::soEnd);
    try {
      ComponentTextToBinary(input, output);
      ADD_FAILURE() << "no error";
    } catch (const EParserError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(output.TakeBytes(), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
  }
}

// Damaged texts and streams end in an error of the system, never in a crash,
// a hang or a read outside the data (the sanitizer build checks the latter).
TEST(ComponentTextToBinary, DamagedInputFailsCleanly) {
  const std::string text = Crlf(kExampleTexts[1]);
  const std::vector<uint8_t> bytes = ToBinary(text);
  std::mt19937 random(5);
  int failedTexts = 0;
  int failedStreams = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string damagedText = text.substr(0, random() % (text.size() + 1));
    std::vector<uint8_t> damagedBytes(bytes.begin(), bytes.begin() + random() % (bytes.size() + 1));
    for (int i = random() % 4; i >= 0; --i) {
      if (!damagedText.empty())
        damagedText[random() % damagedText.size()] = static_cast<char>(random());
      if (!damagedBytes.empty())
        damagedBytes[random() % damagedBytes.size()] = static_cast<uint8_t>(random());
    }
    try {
      ToBinary(damagedText);
    } catch (const Exception& e) {
      ++failedTexts;
      EXPECT_STRNE(e.what(), "");
    }
    try {
      ToText(damagedBytes);
    } catch (const Exception& e) {
      ++failedStreams;
      EXPECT_STRNE(e.what(), "");
    }
  }
  // The damage reaches the checks of both readers, not only inputs they accept.
  EXPECT_GT(failedTexts, 0);
  EXPECT_GT(failedStreams, 0);
}

}  // namespace
}  // namespace kel
