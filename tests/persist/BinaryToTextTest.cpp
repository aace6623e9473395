#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "persist/BinaryToText.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"
#include "tests/persist/HexBytes.h"

namespace kel {
namespace {

using test::Hex;
using Entries = std::function<void(TWriter&)>;

// Lines given with "\n" stand for the CR LF the text really holds.
std::string Lines(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::vector<uint8_t> Written(const Entries& write) {
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    write(writer);
  }
  return stream.TakeBytes();
}

// A stream with a root TChart record holding the given entries and no children.
std::vector<uint8_t> ChartStream(const Entries& entries) {
  return Written([&](TWriter& w) {
    w.WriteSignature();
    w.WriteUTF8Str(u"TChart");
    w.WriteUTF8Str(u"");
    entries(w);
    w.WriteListEnd();
    w.WriteListEnd();
  });
}

std::string ToText(const std::vector<uint8_t>& bytes) {
  TMemoryStream input(bytes);
  TMemoryStream output;
  ComponentBinaryToText(input, output);
  return std::string(output.Bytes().begin(), output.Bytes().end());
}

// The text of a TChart record whose only entry is "P" with the given value.
std::string ValueText(const Entries& value) {
  const std::string text = ToText(ChartStream([&](TWriter& w) {
    w.WriteUTF8Str(u"P");
    value(w);
  }));
  const std::string head = "object TChart\r\n  P = ";
  const std::string tail = "\r\nend\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  return text.substr(head.size(), text.size() - head.size() - tail.size());
}

void WriteNarrow(TWriter& w, std::string_view bytes) {
  w.WriteValueTag(vaString);
  const uint8_t length = static_cast<uint8_t>(bytes.size());
  w.Write(&length, 1);
  w.Write(bytes.data(), length);
}

void WriteBinary(TWriter& w, size_t size) {
  std::vector<uint8_t> data(size);
  for (size_t i = 0; i < size; ++i) data[i] = static_cast<uint8_t>(i + 1);
  w.WriteBinary(data.data(), static_cast<int64_t>(data.size()));
}

TEST(ComponentBinaryToText, WorkedExample) {
  const auto bytes = Written([](TWriter& w) {
    w.WriteSignature();
    w.WriteUTF8Str(u"TChart");
    w.WriteUTF8Str(u"");
    for (const auto& [name, value] :
         {std::pair{u"Left", 0}, {u"Top", 0}, {u"Width", 400}, {u"Height", 250}}) {
      w.WriteUTF8Str(name);
      w.WriteInteger(int32_t{value});
    }
    w.WriteUTF8Str(u"Title.Text.Strings");
    w.WriteListBegin();
    w.WriteString(u"Sales 2014");
    w.WriteListEnd();
    w.WriteUTF8Str(u"LeftAxis.Automatic");
    w.WriteBoolean(false);
    w.WriteUTF8Str(u"LeftAxis.Maximum");
    w.WriteFloat(100);
    w.WriteListEnd();
    w.WriteUTF8Str(u"TLineSeries");
    w.WriteUTF8Str(u"Series1");
    w.WriteUTF8Str(u"SeriesColor");
    w.WriteIdent(u"clRed");
    w.WriteUTF8Str(u"Title");
    w.WriteString(u"It's #1");
    w.WriteUTF8Str(u"Data");
    WriteBinary(w, 40);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  });
  EXPECT_EQ(ToText(bytes), Lines(R"(object TChart
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
)"));
}

struct ValueCase {
  const char* name;
  Entries value;
  std::string text;
};

TEST(ComponentBinaryToText, ValuesOnOneLine) {
  const ValueCase cases[] = {
      {"int8", [](TWriter& w) { w.WriteInteger(int32_t{-128}); }, "-128"},
      {"int16", [](TWriter& w) { w.WriteInteger(int32_t{-129}); }, "-129"},
      {"int32", [](TWriter& w) { w.WriteInteger(int32_t{32768}); }, "32768"},
      {"int64", [](TWriter& w) { w.WriteInteger(int64_t{2147483648}); }, "2147483648"},
      {"int64 min", [](TWriter& w) { w.WriteInteger(INT64_MIN); }, "-9223372036854775808"},
      {"extended", [](TWriter& w) { w.WriteFloat(1.5); }, "1.500000000000000000"},
      {"extended zero", [](TWriter& w) { w.WriteFloat(0); }, "0.000000000000000000"},
      {"large extended", [](TWriter& w) { w.WriteFloat(1E20); }, "1E20"},
      {"double", [](TWriter& w) { w.WriteDouble(-2.25); }, "-2.250000000000000000"},
      {"single", [](TWriter& w) { w.WriteSingle(0.1f); }, "0.100000001490116s"},
      {"single 2.5", [](TWriter& w) { w.WriteSingle(2.5f); }, "2.5s"},
      {"currency", [](TWriter& w) { w.WriteCurrency(15000); }, "15000c"},
      {"date", [](TWriter& w) { w.WriteDate(0.00001); }, "1E-5d"},
      {"large date", [](TWriter& w) { w.WriteDate(123456789012345678.0); }, "1.23456789012346E17d"},
      {"ident", [](TWriter& w) { w.WriteIdent(u"clRed"); }, "clRed"},
      {"false", [](TWriter& w) { w.WriteBoolean(false); }, "False"},
      {"true", [](TWriter& w) { w.WriteBoolean(true); }, "True"},
      {"nil", [](TWriter& w) { w.WriteValueTag(vaNil); }, "nil"},
      {"null", [](TWriter& w) { w.WriteValueTag(vaNull); }, "Null"},
      {"empty set", [](TWriter& w) { w.WriteSetValue({u"fsBold"}, 0); }, "[]"},
      {"set",
       [](TWriter& w) {
         w.WriteSetValue({u"fsBold", u"fsItalic"}, 3);
       },
       "[fsBold, fsItalic]"},
      {"empty list", [](TWriter& w) { w.WriteListBegin(), w.WriteListEnd(); }, "()"},
      {"empty collection", [](TWriter& w) { w.WriteValueTag(vaCollection), w.WriteListEnd(); },
       "<>"},
      {"empty binary", [](TWriter& w) { WriteBinary(w, 0); }, "{}"},
      {"short binary", [](TWriter& w) { WriteBinary(w, 4); }, "{01020304}"},
      {"31 bytes stay on the line", [](TWriter& w) { WriteBinary(w, 31); },
       "{0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F}"},
      {"empty string", [](TWriter& w) { w.WriteString(u""); }, "''"},
      {"apostrophe", [](TWriter& w) { w.WriteString(u"It's #1"); }, "'It'#39's #1'"},
      {"tab", [](TWriter& w) { w.WriteString(u"a\tb"); }, "'a'#9'b'"},
      {"escape at both ends", [](TWriter& w) { w.WriteString(u"'x'"); }, "#39'x'#39"},
      {"wide as UTF-8", [](TWriter& w) { w.WriteString(u"caf\u00E9"); }, "'caf'#233"},
      {"wide as UTF-16", [](TWriter& w) { w.WriteString(u"\u00E9"); }, "#233"},
      {"outside the basic plane", [](TWriter& w) { w.WriteString(u"\U0001F600"); }, "#55357#56832"},
      {"DEL stays quoted", [](TWriter& w) { w.WriteString(u"a\x7F"); }, "'a\x7F'"},
      {"narrow keeps 8-bit bytes", [](TWriter& w) { WriteNarrow(w, "caf\xE9"); }, "'caf\xE9'"},
      // 80 hex is the euro sign in the code page; it comes back as that byte.
      {"narrow euro", [](TWriter& w) { WriteNarrow(w, "\x80 5"); }, "'\x80 5'"},
      {"narrow control", [](TWriter& w) { WriteNarrow(w, "a\r\n"); }, "'a'#13#10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValueText(c.value), c.text);
  }
}

TEST(ComponentBinaryToText, ValuesOnSeveralLines) {
  const std::string a64(64, 'a');
  const ValueCase cases[] = {
      {"list",
       [](TWriter& w) {
         w.WriteListBegin(), w.WriteString(u"a"), w.WriteInteger(int32_t{1});
         w.WriteListEnd();
       },
       "(\n    'a'\n    1)"},
      {"nested list",
       [](TWriter& w) {
         w.WriteListBegin(), w.WriteListBegin(), w.WriteIdent(u"x"), w.WriteListEnd();
         w.WriteListEnd();
       },
       "(\n    (\n      x))"},
      {"collection",
       [](TWriter& w) {
         w.WriteValueTag(vaCollection);
         w.WriteListBegin(), w.WriteUTF8Str(u"Visible"), w.WriteBoolean(false);
         w.WriteListEnd();
         w.WriteInteger(int32_t{3}), w.WriteListBegin(), w.WriteListEnd();
         w.WriteListEnd();
       },
       "<\n    item\n      Visible = False\n    end\n    item [3]\n    end>"},
      {"76 characters", [](TWriter& w) { w.WriteString(Utf8ToUtf16(std::string(76, 'a'))); },
       "\n    '" + a64 + "' +\n    '" + std::string(12, 'a') + "'"},
      {"64 characters stay on the line", [&](TWriter& w) { w.WriteString(Utf8ToUtf16(a64)); },
       "'" + a64 + "'"},
      {"escapes count as one character",
       [&](TWriter& w) { w.WriteString(u"#\t" + Utf8ToUtf16(std::string(63, 'b')) + u"\t"); },
       "\n    '#'#9'" + std::string(62, 'b') + "' +\n    'b'#9"},
      {"a long wide string", [&](TWriter& w) { w.WriteString(std::u16string(65, u'\u00FC')); },
       "\n    " +
           [] {
             std::string s;
             for (int i = 0; i < 64; ++i) s += "#252";
             return s;
           }() +
           " +\n    #252"},
      {"32 bytes on their own line", [](TWriter& w) { WriteBinary(w, 32); },
       "{\n    0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F20}"},
      {"list of long strings",
       [](TWriter& w) {
         w.WriteListBegin(), w.WriteString(Utf8ToUtf16(std::string(65, 'c'))), w.WriteListEnd();
       },
       "(\n    \n      '" + std::string(64, 'c') + "' +\n      'c')"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValueText(c.value), Lines(c.text));
  }
}

TEST(ComponentBinaryToText, LargeBinaryBlocksSpanChunks) {
  constexpr size_t kSize = 200000;
  const std::string text = ValueText([](TWriter& w) { WriteBinary(w, kSize); });
  const size_t lines = (kSize + 31) / 32;
  EXPECT_EQ(text.size(), 1 + lines * (2 + 4 + 0) + 2 * kSize + 1);
  EXPECT_EQ(text.substr(0, 9), "{\r\n    01");
  // 200000 bytes end with the byte (200000 mod 256) = 64 hex, after 31 full-line bytes.
  EXPECT_EQ(text.substr(text.size() - 5), "3F40}");
}

TEST(ComponentBinaryToText, RecordHeaders) {
  const auto bytes =
      Hex("54 50 46 30  06 54 43 68 61 72 74  00  00"        // object TChart, no entries
          "F3 02 03  06 54 46 72 61 6D 65  02 46 31  00 00"  // inherited, child position 3
          "F4  06 54 46 72 61 6D 65  02 46 32  00 00"        // inline
          "F2 03 E8 03  03 54 41 42  00  00 00"              // child position 1000, no name
          "00");
  EXPECT_EQ(ToText(bytes), Lines(R"(object TChart
  inherited F1: TFrame [3]
  end
  inline F2: TFrame
  end
  object TAB [1000]
  end
end
)"));
}

TEST(ComponentBinaryToText, NonAsciiNamesAddAByteOrderMark) {
  const auto named = Written([](TWriter& w) {
    w.WriteSignature();
    w.WriteUTF8Str(u"TChart");
    w.WriteUTF8Str(u"Gr\u00FCn");
    w.WriteUTF8Str(u"Title");
    w.WriteString(u"\u00FC");
    w.WriteListEnd();
    w.WriteListEnd();
  });
  EXPECT_EQ(ToText(named), Lines("\xEF\xBB\xBFobject Gr\xC3\xBCn: TChart\n  Title = #252\nend\n"));
  // Bytes that are no UTF-8 read as U+FFFD, which is not ASCII either.
  EXPECT_EQ(ToText(Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 07 02 78 FF 00 00")),
            Lines("\xEF\xBB\xBFobject TChart\n  P = x\xEF\xBF\xBD\nend\n"));
  // A non-ASCII string value alone is escaped and needs no mark.
  EXPECT_EQ(ValueText([](TWriter& w) { w.WriteString(u"\u00FC"); }), "#252");
}

TEST(ComponentBinaryToText, InputStandsAfterTheRecord) {
  auto bytes = ChartStream([](TWriter&) {});
  bytes.insert(bytes.end(), {0xAB, 0xCD});
  TMemoryStream input(bytes);
  TMemoryStream output;
  ComponentBinaryToText(input, output);
  EXPECT_EQ(input.Position(), static_cast<int64_t>(bytes.size() - 2));
}

// A stream that can only be read forward, so its text must be collected whole.
class ForwardOnlyStream : public TStream {
 public:
  explicit ForwardOnlyStream(std::vector<uint8_t> bytes) : FBytes(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override { return FBytes.Read(buffer, count); }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t, TSeekOrigin) override { return -1; }

 private:
  TMemoryStream FBytes;
};

// Large texts go out in pieces after a first reading has checked the record;
// the result is the same as when the whole text is collected.
TEST(ComponentBinaryToText, LargeTextsAreStreamedAfterACheck) {
  const auto bytes = Written([](TWriter& w) {
    w.WriteSignature();
    w.WriteUTF8Str(u"TChart");
    w.WriteUTF8Str(u"Gr\u00FCn");
    w.WriteListEnd();
    for (int i = 0; i < 3; ++i) {
      w.WriteUTF8Str(u"TLineSeries");
      w.WriteUTF8Str(u"");
      w.WriteUTF8Str(u"Data");
      WriteBinary(w, 1000000);
      w.WriteUTF8Str(u"Title");
      w.WriteString(u"x");
      w.WriteListEnd();
      w.WriteListEnd();
    }
    w.WriteListEnd();
  });
  ForwardOnlyStream forwardOnly(bytes);
  TMemoryStream collected;
  ComponentBinaryToText(forwardOnly, collected);
  const std::string text = ToText(bytes);
  EXPECT_GT(text.size(), 6000000u);
  EXPECT_EQ(text, std::string(collected.Bytes().begin(), collected.Bytes().end()));
  const std::string head = "\xEF\xBB\xBFobject Gr\xC3\xBCn: TChart\r\n  object TLineSeries\r\n";
  const std::string tail = "3F40}\r\n    Title = 'x'\r\n  end\r\nend\r\n";
  EXPECT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  // A fault after megabytes of text still leaves the output untouched.
  auto damaged = bytes;
  damaged[damaged.size() - 3] = 0x16;
  TMemoryStream input(damaged);
  TMemoryStream output;
  EXPECT_THROW(ComponentBinaryToText(input, output), EReadError);
  EXPECT_EQ(output.Size(), 0);
}

struct ErrorCase {
  const char* name;
  std::vector<uint8_t> bytes;
  const char* message;
};

TEST(ComponentBinaryToText, ErrorsLeaveTheOutputUntouched) {
  const auto deepLists = [] {
    auto bytes = Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50");
    bytes.insert(bytes.end(), kMaxStreamNesting, vaList);
    bytes.insert(bytes.end(), kMaxStreamNesting + 2, vaNull);
    return bytes;
  }();
  const auto lastDepth = [] {
    auto bytes = Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50");
    bytes.insert(bytes.end(), kMaxStreamNesting - 1, vaList);
    bytes.insert(bytes.end(), kMaxStreamNesting + 1, vaNull);
    return bytes;
  }();
  const ErrorCase cases[] = {
      {"signature", Hex("54 50 46 31 06 54 43 68 61 72 74 00 00 00"), "Invalid stream format"},
      {"tag 22 in an unnamed record", Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 16 00 00"),
       "Error reading TChart.P: 22"},
      {"tag 255 in a named child",
       Hex("54 50 46 30 06 54 43 68 61 72 74 00 00"
           "03 54 4C 53 07 53 65 72 69 65 73 31 04 44 61 74 61 FF 00 00 00"),
       "Error reading Series1.Data: 255"},
      {"truncated", Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 03 01"), "Stream read error"},
      {"missing end", Hex("54 50 46 30 06 54 43 68 61 72 74 00 00"), "Stream read error"},
      {"negative binary length",
       Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 0A FF FF FF FF 00 00"), "Stream read error"},
      {"binary longer than the data",
       Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 0A 00 00 00 7F 00 00"), "Stream read error"},
      {"negative string length",
       Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 14 00 00 00 80 00 00"), "Stream read error"},
      {"item without its list",
       Hex("54 50 46 30 06 54 43 68 61 72 74 00 01 50 0E 02 01 09 00 00 00"),
       "Invalid property value"},
      {"too deep", deepLists, kSNestingTooDeep},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream input(c.bytes);
    TMemoryStream output(std::vector<uint8_t>{'k', 'e', 'e', 'p'});
    output.Seek(0, TSeekOrigin::soEnd);
    try {
      ComponentBinaryToText(input, output);
      ADD_FAILURE() << "no error";
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(output.TakeBytes(), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
  }
  EXPECT_NO_THROW(ToText(lastDepth));
}

}  // namespace
}  // namespace kel
