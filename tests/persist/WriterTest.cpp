#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "persist/Exceptions.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"
#include "tests/persist/HexBytes.h"
#include "tests/persist/RecordingStream.h"

namespace kel {
namespace {

using test::Hex;
using test::ToHex;

std::vector<uint8_t> Written(const std::function<void(TWriter&)>& write) {
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    write(writer);
  }
  return stream.TakeBytes();
}

std::string Repeat(char c, size_t n) {
  return std::string(n, c);
}

struct WriteCase {
  const char* name;
  std::function<void(TWriter&)> write;
  std::string expected;  // hex
};

TEST(WriterTest, ValuesHaveTheirExactBytes) {
  const std::string ascii255 = "06 FF " + ToHex(std::vector<uint8_t>(255, 'a'));
  const std::string ascii256 = "0C 00 01 00 00 " + ToHex(std::vector<uint8_t>(256, 'a'));
  const WriteCase cases[] = {
      {"empty string", [](TWriter& w) { w.WriteString(u""); }, "12 00 00 00 00"},
      {"one e-acute", [](TWriter& w) { w.WriteString(u"\u00E9"); }, "12 01 00 00 00 E9 00"},
      {"a e-acute", [](TWriter& w) { w.WriteString(u"a\u00E9"); }, "14 03 00 00 00 61 C3 A9"},
      {"ascii", [](TWriter& w) { w.WriteString(u"Hi"); }, "06 02 48 69"},
      {"255 ascii", [](TWriter& w) { w.WriteString(Utf8ToUtf16(Repeat('a', 255))); }, ascii255},
      {"256 ascii", [](TWriter& w) { w.WriteString(Utf8ToUtf16(Repeat('a', 256))); }, ascii256},
      {"CJK as UTF-16", [](TWriter& w) { w.WriteString(u"\u65E5"); }, "12 01 00 00 00 E5 65"},
      {"unpaired surrogate kept", [](TWriter& w) { w.WriteString(u"\xD800"); },
       "12 01 00 00 00 00 D8"},
      {"char", [](TWriter& w) { w.WriteChar(u'x'); }, "06 01 78"},
      {"int 0", [](TWriter& w) { w.WriteInteger(int32_t{0}); }, "02 00"},
      {"int 127", [](TWriter& w) { w.WriteInteger(int32_t{127}); }, "02 7F"},
      {"int -128", [](TWriter& w) { w.WriteInteger(int32_t{-128}); }, "02 80"},
      {"int 128", [](TWriter& w) { w.WriteInteger(int32_t{128}); }, "03 80 00"},
      {"int -129", [](TWriter& w) { w.WriteInteger(int32_t{-129}); }, "03 7F FF"},
      {"int 32767", [](TWriter& w) { w.WriteInteger(int32_t{32767}); }, "03 FF 7F"},
      {"int -32768", [](TWriter& w) { w.WriteInteger(int32_t{-32768}); }, "03 00 80"},
      {"int 32768", [](TWriter& w) { w.WriteInteger(int32_t{32768}); }, "04 00 80 00 00"},
      {"int -32769", [](TWriter& w) { w.WriteInteger(int32_t{-32769}); }, "04 FF 7F FF FF"},
      {"int64 small", [](TWriter& w) { w.WriteInteger(int64_t{-1}); }, "02 FF"},
      {"int64 2^31-1", [](TWriter& w) { w.WriteInteger(int64_t{2147483647}); }, "04 FF FF FF 7F"},
      {"int64 2^31", [](TWriter& w) { w.WriteInteger(int64_t{2147483648}); },
       "13 00 00 00 80 00 00 00 00"},
      {"int64 -2^31-1", [](TWriter& w) { w.WriteInteger(int64_t{-2147483649}); },
       "13 FF FF FF 7F FF FF FF FF"},
      {"float 1.5", [](TWriter& w) { w.WriteFloat(1.5); }, "05 00 00 00 00 00 00 00 C0 FF 3F"},
      {"single 1", [](TWriter& w) { w.WriteSingle(1.0f); }, "0F 00 00 80 3F"},
      {"double 1", [](TWriter& w) { w.WriteDouble(1.0); }, "15 00 00 00 00 00 00 F0 3F"},
      {"date 1", [](TWriter& w) { w.WriteDate(1.0); }, "11 00 00 00 00 00 00 F0 3F"},
      {"currency 1.5", [](TWriter& w) { w.WriteCurrency(15000); }, "10 98 3A 00 00 00 00 00 00"},
      {"true", [](TWriter& w) { w.WriteBoolean(true); }, "09"},
      {"false", [](TWriter& w) { w.WriteBoolean(false); }, "08"},
      {"ident", [](TWriter& w) { w.WriteIdent(u"clRed"); }, "07 05 63 6C 52 65 64"},
      {"ident false", [](TWriter& w) { w.WriteIdent(u"fALSE"); }, "08"},
      {"ident true", [](TWriter& w) { w.WriteIdent(u"True"); }, "09"},
      {"ident null", [](TWriter& w) { w.WriteIdent(u"NULL"); }, "00"},
      {"ident nil", [](TWriter& w) { w.WriteIdent(u"Nil"); }, "0D"},
      {"ident with long s is no boolean", [](TWriter& w) { w.WriteIdent(u"fal\u017Fe"); },
       "07 06 66 61 6C C5 BF 65"},
      {"empty set", [](TWriter& w) { w.WriteSetValue({u"fsBold"}, 0); }, "0B 00"},
      {"set",
       [](TWriter& w) {
         w.WriteSetValue({u"fsBold", u"fsItalic", u"fsUnderline"}, 3);
       },
       "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00"},
      {"empty list",
       [](TWriter& w) {
         w.WriteListBegin();
         w.WriteListEnd();
       },
       "01 00"},
      {"empty collection",
       [](TWriter& w) {
         w.WriteValueTag(vaCollection);
         w.WriteListEnd();
       },
       "0E 00"},
      {"collection with one item",
       [](TWriter& w) {
         w.WriteValueTag(vaCollection);
         w.WriteListBegin();
         w.WriteUTF8Str(u"Visible");
         w.WriteBoolean(false);
         w.WriteListEnd();
         w.WriteListEnd();
       },
       "0E 01 07 56 69 73 69 62 6C 65 08 00 00"},
      {"binary", [](TWriter& w) { w.WriteBinary("\x01\x02", 2); }, "0A 02 00 00 00 01 02"},
      {"no prefix without flags", [](TWriter& w) { w.WriteRecordPrefix(0, 5); }, ""},
      {"prefix with child position", [](TWriter& w) { w.WriteRecordPrefix(ffChildPos, 3); },
       "F2 02 03"},
      {"ANSI short string", [](TWriter& w) { w.WriteStr("caf\xE9"); }, "05 63 61 66 C3 A9"},
      {"signature", [](TWriter& w) { w.WriteSignature(); }, "54 50 46 30"},
  };
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToHex(Written(c.write)), ToHex(Hex(c.expected)));
  }
}

TEST(WriterTest, ShortStringsAreCutAt255BytesEvenInsideACharacter) {
  // 127 two-byte characters are 254 bytes; one more splits the 128th.
  std::u16string text(128, u'\u00E9');
  const std::vector<uint8_t> bytes = Written([&](TWriter& w) { w.WriteUTF8Str(text); });
  ASSERT_EQ(bytes.size(), 256u);
  EXPECT_EQ(bytes[0], 255);
  EXPECT_EQ(bytes[255], 0xC3);  // the first byte of the cut character

  const std::vector<uint8_t> ansi = Written([](TWriter& w) { w.WriteStr(Repeat('\xE9', 200)); });
  ASSERT_EQ(ansi.size(), 256u);
  EXPECT_EQ(ansi[0], 255);
}

TEST(WriterTest, WritesTheWorkedExampleStream) {
  const std::vector<uint8_t> bytes = Written([](TWriter& w) {
    w.WriteSignature();
    w.WriteUTF8Str(u"TChart");
    w.WriteUTF8Str(u"");
    w.WriteUTF8Str(u"Width");
    w.WriteInteger(int32_t{400});
    w.WriteUTF8Str(u"Height");
    w.WriteInteger(int32_t{250});
    w.WriteUTF8Str(u"Title.Text.Strings");
    w.WriteListBegin();
    w.WriteString(u"Hi");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  });
  EXPECT_EQ(ToHex(bytes), ToHex(Hex("54 50 46 30 06 54 43 68 61 72 74 00"
                                    "05 57 69 64 74 68 03 90 01"
                                    "06 48 65 69 67 68 74 03 FA 00"
                                    "12 54 69 74 6C 65 2E 54 65 78 74 2E 53 74 72 69 6E 67 73"
                                    "01 06 02 48 69 00 00 00")));
}

TEST(WriterTest, StreamSeesOnlyWholeBufferWrites) {
  test::RecordingStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    for (int i = 0; i < 2500; ++i) writer.WriteInteger(int32_t{1000});  // 3 bytes each
    const std::vector<uint8_t> big(5000, 7);
    writer.Write(big.data(), static_cast<int64_t>(big.size()));
  }
  EXPECT_EQ(stream.writes, (std::vector<int64_t>{4096, 4096, 4096, 212}));
  EXPECT_EQ(stream.Size(), 12500);
}

TEST(WriterTest, ShortWriteRaisesWriteError) {
  test::RecordingStream stream;
  stream.writeLimit = 10;
  TWriter writer(stream, kDefaultFilerBufferSize);
  writer.WriteString(u"some text that is longer than ten bytes");
  try {
    writer.FlushBuffer();
    FAIL() << "no exception";
  } catch (const EWriteError& e) {
    EXPECT_STREQ(e.what(), "Stream write error");
  }
}

TEST(WriterTest, DestructorSwallowsAFailedFlush) {
  test::RecordingStream stream;
  stream.writeLimit = 0;
  EXPECT_NO_THROW({
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.WriteInteger(int32_t{5});
  });
}

TEST(WriterTest, MovingBackIntoTheBufferKeepsTheBytesBehind) {
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.Write("abcdefgh", 8);
    writer.SetPosition(2);
    writer.Write("X", 1);
    EXPECT_EQ(writer.Position(), 3);
    writer.SetPosition(8);
    writer.Write("i", 1);
  }
  const std::vector<uint8_t> bytes = stream.TakeBytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "abXdefghi");
}

TEST(WriterTest, FlushAfterMovingBackLeavesTheStreamAtTheWriterPosition) {
  TMemoryStream stream;
  TWriter writer(stream, kDefaultFilerBufferSize);
  writer.Write("abcdefgh", 8);
  writer.SetPosition(4);
  writer.FlushBuffer();
  EXPECT_EQ(stream.Size(), 8);
  EXPECT_EQ(stream.Position(), 4);
  EXPECT_EQ(writer.Position(), 4);
}

TEST(WriterTest, PositionOutsideTheBufferFlushesAndSeeks) {
  TMemoryStream stream;
  {
    TWriter writer(stream, 4);
    writer.Write("abcdefgh", 8);
    writer.SetPosition(1);
    writer.Write("Z", 1);
    EXPECT_EQ(writer.Position(), 2);
  }
  const std::vector<uint8_t> bytes = stream.TakeBytes();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "aZcdefgh");
}

}  // namespace
}  // namespace kel
