#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "persist/Exceptions.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "tests/persist/HexBytes.h"
#include "tests/persist/RecordingStream.h"

namespace kel {
namespace {

using test::Hex;

std::string Num(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// Runs `read` on a reader over `bytes`; returns the result, or "error: " and
// the message, together with the reader's position afterwards.
std::pair<std::string, int64_t> RunRead(const std::vector<uint8_t>& bytes,
                                        const std::function<std::string(TReader&)>& read) {
  TMemoryStream stream(bytes);
  TReader reader(stream, kDefaultFilerBufferSize);
  std::string result;
  try {
    result = read(reader);
  } catch (const EReadError& e) {
    result = std::string("error: ") + e.what();
  }
  return {result, reader.Position()};
}

struct ReadCase {
  const char* name;
  const char* bytes;
  std::function<std::string(TReader&)> read;
  std::string expected;
  int64_t positionAfter;
};

const auto kInteger = [](TReader& r) { return std::to_string(r.ReadInteger()); };
const auto kInt64 = [](TReader& r) { return std::to_string(r.ReadInt64()); };
const auto kFloat = [](TReader& r) { return Num(r.ReadFloat()); };
const auto kDouble = [](TReader& r) { return Num(r.ReadDouble()); };
const auto kSingle = [](TReader& r) { return Num(r.ReadSingle()); };
const auto kCurrency = [](TReader& r) { return std::to_string(r.ReadCurrency()); };
const auto kDate = [](TReader& r) { return Num(r.ReadDate()); };
const auto kString = [](TReader& r) { return Utf16ToUtf8(r.ReadString()); };
const auto kChar = [](TReader& r) { return std::to_string(int{r.ReadChar()}); };
const auto kIdent = [](TReader& r) { return Utf16ToUtf8(r.ReadIdent()); };
const auto kBoolean = [](TReader& r) { return std::string(r.ReadBoolean() ? "true" : "false"); };
const auto kStr = [](TReader& r) { return Utf16ToUtf8(r.ReadStr()); };
const auto kSet = [](TReader& r) {
  return std::to_string(r.ReadSetValue({u"fsBold", u"fsItalic", u"fsUnderline"}));
};
const auto kCheckEnd = [](TReader& r) {
  r.ReadListEnd();
  return std::string("ok");
};
const auto kSignature = [](TReader& r) {
  r.ReadSignature();
  return std::string("ok");
};

TEST(ReaderTest, TypedReadsAcceptTheirTagsAndFailExactly) {
  const std::string kInvalid = "error: Invalid property value";
  const std::string kReadError = "error: Stream read error";
  const ReadCase cases[] = {
      {"int8", "02 FF", kInteger, "-1", 2},
      {"int16", "03 7F FF", kInteger, "-129", 3},
      {"int32", "04 00 80 00 00", kInteger, "32768", 5},
      {"integer rejects int64 after its tag", "13 00 00 00 80 00 00 00 00", kInteger, kInvalid, 1},
      {"integer rejects string", "06 01 41", kInteger, kInvalid, 1},
      {"int64 from int64", "13 00 00 00 80 00 00 00 00", kInt64, "2147483648", 9},
      {"int64 from int8", "02 80", kInt64, "-128", 2},
      {"int64 from int16", "03 00 80", kInt64, "-32768", 3},
      {"int64 from int32", "04 FF FF FF FF", kInt64, "-1", 5},
      {"float from extended", "05 00 00 00 00 00 00 00 C0 FF 3F", kFloat, "1.5", 11},
      {"float from double", "15 00 00 00 00 00 00 F0 3F", kFloat, "1", 9},
      {"float from int8", "02 05", kFloat, "5", 2},
      {"float from int64", "13 00 00 00 00 01 00 00 00", kFloat, "4294967296", 9},
      {"float rejects single", "0F 00 00 80 3F", kFloat, kInvalid, 1},
      {"float rejects currency", "10 00 00 00 00 00 00 00 00", kFloat, kInvalid, 1},
      {"float rejects date", "11 00 00 00 00 00 00 00 00", kFloat, kInvalid, 1},
      {"double", "15 00 00 00 00 00 00 F0 BF", kDouble, "-1", 9},
      {"double from int16", "03 E8 03", kDouble, "1000", 3},
      {"double rejects extended", "05 00 00 00 00 00 00 00 C0 FF 3F", kDouble, kInvalid, 1},
      {"single", "0F 00 00 C0 3F", kSingle, "1.5", 5},
      {"single from int8", "02 03", kSingle, "3", 2},
      {"currency", "10 98 3A 00 00 00 00 00 00", kCurrency, "15000", 9},
      {"currency from int8", "02 02", kCurrency, "20000", 2},
      {"currency too large to scale", "13 00 00 00 00 00 00 00 40", kCurrency, kInvalid, 9},
      {"date", "11 00 00 00 00 00 00 F0 3F", kDate, "1", 9},
      {"date from int8", "02 02", kDate, "2", 2},
      {"string", "06 02 48 69", kString, "Hi", 4},
      {"string decodes ANSI", "06 01 80", kString, "\u20AC", 3},
      {"long string", "0C 02 00 00 00 E9 41", kString, "\u00E9A", 7},
      {"wide string", "12 02 00 00 00 61 00 E9 00", kString, "a\u00E9", 9},
      {"UTF-8 string", "14 03 00 00 00 61 C3 A9", kString, "a\u00E9", 8},
      {"empty wide string", "12 00 00 00 00", kString, "", 5},
      {"string rejects ident", "07 01 41", kString, kInvalid, 1},
      {"negative long string length", "0C FF FF FF FF 41", kString, kReadError, 5},
      {"negative wide string count", "12 00 00 00 80", kString, kReadError, 5},
      {"oversized UTF-8 length", "14 FF FF FF 7F 41 42", kString, kReadError, 7},
      {"oversized wide count", "12 FF FF FF 3F 41 42", kString, kReadError, 7},
      {"truncated short string", "06 05 41 42", kString, kReadError, 4},
      {"char", "06 01 78", kChar, "120", 3},
      {"wide char", "12 01 00 00 00 E9 00", kChar, "233", 7},
      {"char from empty string", "12 00 00 00 00", kChar, "0", 5},
      {"char rejects two characters after the string", "06 02 41 42", kChar, kInvalid, 4},
      {"ident", "07 05 63 6C 52 65 64", kIdent, "clRed", 7},
      {"ident false", "08", kIdent, "False", 1},
      {"ident true", "09", kIdent, "True", 1},
      {"ident nil", "0D", kIdent, "nil", 1},
      {"ident null", "00", kIdent, "Null", 1},
      {"ident rejects string", "06 01 41", kIdent, kInvalid, 1},
      {"boolean true", "09", kBoolean, "true", 1},
      {"boolean false", "08", kBoolean, "false", 1},
      {"boolean rejects int8", "02 01", kBoolean, kInvalid, 1},
      {"short string", "03 61 62 63", kStr, "abc", 4},
      {"set", "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00", kSet, "3", 18},
      {"set ignores case", "0B 0B 46 53 55 4E 44 45 52 4C 49 4E 45 00", kSet, "4", 14},
      {"empty set", "0B 00", kSet, "0", 2},
      {"unknown set element consumes the set", "0B 01 78 06 66 73 42 6F 6C 64 00 09", kSet,
       kInvalid, 11},
      {"set expected, other tag", "02 01 41 00 09", kSet, kInvalid, 4},
      {"check value skips the whole unexpected value", "06 02 41 42 09", kCheckEnd, kInvalid, 4},
      {"check value skips an unexpected list", "01 02 05 06 01 41 00 09", kCheckEnd, kInvalid, 7},
      {"bad signature", "54 50 46 31 00", kSignature, "error: Invalid stream format", 4},
      {"short signature", "54 50", kSignature, kReadError, 2},
      {"empty stream", "", kInteger, kReadError, 0},
      {"truncated int32", "04 01 02", kInteger, kReadError, 3},
      {"truncated extended", "05 00 00", kFloat, kReadError, 3},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [result, position] = RunRead(Hex(c.bytes), c.read);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(position, c.positionAfter);
  }
}

TEST(ReaderTest, ReadsTheWorkedExampleStream) {
  TMemoryStream stream(
      Hex("54 50 46 30 06 54 43 68 61 72 74 00"
          "05 57 69 64 74 68 03 90 01"
          "06 48 65 69 67 68 74 03 FA 00"
          "12 54 69 74 6C 65 2E 54 65 78 74 2E 53 74 72 69 6E 67 73"
          "01 06 02 48 69 00 00 00"));
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.ReadSignature();
  TFilerFlags flags = 7;
  int32_t childPos = 0;
  reader.ReadPrefix(flags, childPos);
  EXPECT_EQ(flags, 0);
  EXPECT_EQ(reader.ReadStr(), u"TChart");
  EXPECT_EQ(reader.ReadStr(), u"");
  EXPECT_EQ(reader.ReadStr(), u"Width");
  EXPECT_EQ(reader.ReadInteger(), 400);
  EXPECT_EQ(reader.ReadStr(), u"Height");
  EXPECT_EQ(reader.ReadInteger(), 250);
  EXPECT_EQ(reader.ReadStr(), u"Title.Text.Strings");
  reader.ReadListBegin();
  EXPECT_FALSE(reader.EndOfList());
  EXPECT_EQ(reader.ReadString(), u"Hi");
  EXPECT_TRUE(reader.EndOfList());
  reader.ReadListEnd();
  reader.ReadListEnd();
  reader.ReadListEnd();
  EXPECT_EQ(reader.Position(), stream.Size());
}

TEST(ReaderTest, ReadsARecordPrefixWithChildPosition) {
  TMemoryStream stream(Hex("F3 03 E8 03 06"));
  TReader reader(stream, kDefaultFilerBufferSize);
  TFilerFlags flags = 0;
  int32_t childPos = 0;
  reader.ReadPrefix(flags, childPos);
  EXPECT_EQ(flags, ffInherited | ffChildPos);
  EXPECT_EQ(childPos, 1000);
  EXPECT_EQ(reader.NextValue(), vaString);
}

// Each value is followed by the marker byte 09; skipping must stop right on it.
TEST(ReaderTest, SkipValueConsumesExactlyOneValueOfEveryTag) {
  const struct {
    const char* name;
    const char* bytes;
  } cases[] = {
      {"null", "00"},
      {"false", "08"},
      {"true", "09"},
      {"nil", "0D"},
      {"int8", "02 09"},
      {"int16", "03 09 09"},
      {"int32", "04 09 09 09 09"},
      {"int64", "13 09 09 09 09 09 09 09 09"},
      {"extended", "05 09 09 09 09 09 09 09 09 09 09"},
      {"single", "0F 09 09 09 09"},
      {"currency", "10 09 09 09 09 09 09 09 09"},
      {"date", "11 09 09 09 09 09 09 09 09"},
      {"double", "15 09 09 09 09 09 09 09 09"},
      {"string", "06 02 09 09"},
      {"ident", "07 01 09"},
      {"binary", "0A 03 00 00 00 09 09 09"},
      {"long string", "0C 01 00 00 00 09"},
      {"UTF-8 string", "14 02 00 00 00 09 09"},
      {"wide string", "12 02 00 00 00 09 09 09 09"},
      {"set", "0B 02 09 09 01 09 00"},
      {"empty list", "01 00"},
      {"nested list", "01 02 09 01 06 01 09 00 0B 01 09 00 00"},
      {"empty collection", "0E 00"},
      {"collection item", "0E 01 07 56 69 73 69 62 6C 65 08 00 00"},
      {"collection items with order values",
       "0E 02 00 01 01 41 02 09 00 04 01 00 00 00 01 01 42 01 02 01 00 00 00"},
      {"collection inside a collection", "0E 01 01 43 0E 01 01 44 09 00 00 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<uint8_t> bytes = Hex(c.bytes);
    const int64_t valueSize = static_cast<int64_t>(bytes.size());
    bytes.push_back(0x09);
    TMemoryStream stream(bytes);
    TReader reader(stream, kDefaultFilerBufferSize);
    reader.SkipValue();
    EXPECT_EQ(reader.Position(), valueSize);
  }
}

TEST(ReaderTest, SkipValueFailsCleanlyOnBadData) {
  const struct {
    const char* name;
    const char* bytes;
    const char* message;
  } cases[] = {
      {"undefined tag", "16", "Invalid property value"},
      {"undefined tag inside a list", "01 02 01 FF 00", "Invalid property value"},
      {"negative binary length", "0A FF FF FF FF", "Stream read error"},
      {"oversized binary length", "0A FF FF FF 7F 01 02", "Stream read error"},
      {"negative wide count", "12 00 00 00 80", "Stream read error"},
      {"unterminated list", "01 02 01", "Stream read error"},
      {"unterminated set", "0B 02 41 42", "Stream read error"},
      {"unterminated collection", "0E 01 01 41 02 01", "Stream read error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream stream(Hex(c.bytes));
    TReader reader(stream, kDefaultFilerBufferSize);
    try {
      reader.SkipValue();
      ADD_FAILURE() << "no exception";
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(ReaderTest, SkipsDeeplyNestedListsWithoutRecursion) {
  constexpr size_t kDepth = 1'000'000;
  std::vector<uint8_t> bytes(kDepth, vaList);
  bytes.insert(bytes.end(), kDepth, vaNull);
  bytes.push_back(vaTrue);
  TMemoryStream stream(bytes);
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.SkipValue();
  EXPECT_EQ(reader.ReadValue(), vaTrue);

  // The same nesting cut short ends in a read error, not a crash.
  std::vector<uint8_t> cut(kDepth, vaList);
  TMemoryStream cutStream(cut);
  TReader cutReader(cutStream, kDefaultFilerBufferSize);
  EXPECT_THROW(cutReader.SkipValue(), EReadError);
}

TEST(ReaderTest, SkipComponentRecordSkipsNestedChildren) {
  // TChart "" { Width = 400 } with a child TLineSeries "S1" { Tag = 1 } that has
  // a grandchild TX "" {}; then the marker.
  TMemoryStream stream(
      Hex("06 54 43 68 61 72 74 00 05 57 69 64 74 68 03 90 01 00"
          "0B 54 4C 69 6E 65 53 65 72 69 65 73 02 53 31 03 54 61 67 02 01 00"
          "F2 02 00 02 54 58 00 00 00"
          "00"
          "00 09"));
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.SkipComponentRecord(true);
  EXPECT_EQ(reader.ReadValue(), vaTrue);
}

TEST(ReaderTest, SkipsDeeplyNestedChildRecordsWithoutRecursion) {
  constexpr size_t kDepth = 300'000;
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < kDepth; ++i) bytes.insert(bytes.end(), {0x01, 'T', 0x00, 0x00});
  bytes.insert(bytes.end(), kDepth, vaNull);
  bytes.push_back(vaTrue);
  TMemoryStream stream(bytes);
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.SkipComponentRecord(true);
  EXPECT_EQ(reader.ReadValue(), vaTrue);
}

TEST(ReaderTest, StreamSeesOnlyWholeBufferReads) {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 3000; ++i) bytes.insert(bytes.end(), {vaInt16, 0xE8, 0x03});
  test::RecordingStream stream(bytes);
  TReader reader(stream, kDefaultFilerBufferSize);
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(reader.ReadInteger(), 1000);
  EXPECT_EQ(stream.reads, (std::vector<int64_t>{4096, 4096, 4096}));
}

TEST(ReaderTest, DestructorStepsBackOverUnconsumedReadAhead) {
  TMemoryStream stream(std::vector<uint8_t>(5000, vaInt8));
  stream.SetPosition(100);
  {
    TReader reader(stream, kDefaultFilerBufferSize);
    uint8_t ten[10];
    reader.Read(ten, sizeof ten);
    EXPECT_EQ(stream.Position(), 100 + 4096);
  }
  EXPECT_EQ(stream.Position(), 110);
}

TEST(ReaderTest, SetPositionEmptiesTheBuffer) {
  TMemoryStream stream(Hex("02 01 02 02 02 03"));
  TReader reader(stream, kDefaultFilerBufferSize);
  EXPECT_EQ(reader.ReadInteger(), 1);
  reader.SetPosition(4);
  EXPECT_EQ(reader.ReadInteger(), 3);
  EXPECT_EQ(reader.Position(), 6);
}

}  // namespace
}  // namespace kel
