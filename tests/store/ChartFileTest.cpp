#include <gtest/gtest.h>

#include <string>

#include "persist/Exceptions.h"
#include "store/ChartException.h"
#include "store/ChartFile.h"
#include "tests/persist/HexBytes.h"

namespace kel {
namespace {

using test::Hex;

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

std::string Text(const std::vector<uint8_t>& bytes) {
  return {bytes.begin(), bytes.end()};
}

// A small chart stream: TChart, Width 400, Height 250, a title line.
const char* const kExampleStream =
    "54 50 46 30 06 54 43 68 61 72 74 00"
    "05 57 69 64 74 68 03 90 01"
    "06 48 65 69 67 68 74 03 FA 00"
    "12 54 69 74 6C 65 2E 54 65 78 74 2E 53 74 72 69 6E 67 73"
    "01 06 02 48 69 00 00 00";
const char* const kExampleText =
    "object TChart\r\n"
    "  Width = 400\r\n"
    "  Height = 250\r\n"
    "  Title.Text.Strings = (\r\n"
    "    'Hi')\r\n"
    "end\r\n";

std::vector<uint8_t> ExampleChartFile() {
  std::vector<uint8_t> bytes = Hex("60 30 57 01");
  const std::vector<uint8_t> stream = Hex(kExampleStream);
  bytes.insert(bytes.end(), stream.begin(), stream.end());
  return bytes;
}

TEST(ChartFileTest, TellsTheFormsApartAndKeepsThePosition) {
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    bool isChart;
    bool isBinary;
  } cases[] = {
      {"header", Hex("60 30 57 01 54 50 46 30"), true, true},
      {"any format number", Hex("60 30 00 00"), true, true},
      {"mark only", Hex("60 30"), true, true},
      {"text", Bytes("object TChart"), true, false},
      {"upper-case text", Bytes("OBJECT TChart"), true, false},
      {"mixed-case text", Bytes("oBjEcT TChart"), true, false},
      {"blank before the word", Bytes(" object TChart"), false, false},
      {"byte order mark", Bytes("\xEF\xBB\xBFobject TChart"), false, false},
      {"inherited", Bytes("inherited TChart"), false, false},
      {"bare stream", Hex("54 50 46 30"), false, false},
      {"half a mark", Hex("60"), false, false},
      {"empty", {}, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // Three bytes in front show that the tests start at the position.
    std::vector<uint8_t> bytes = Hex("01 02 03");
    bytes.insert(bytes.end(), c.bytes.begin(), c.bytes.end());
    TMemoryStream stream(bytes);
    stream.SetPosition(3);
    EXPECT_EQ(IsChartStream(stream), c.isChart);
    EXPECT_EQ(stream.Position(), 3);
    EXPECT_EQ(IsBinaryChartStream(stream), c.isBinary);
    EXPECT_EQ(stream.Position(), 3);
  }
}

TEST(ChartFileTest, WritesTheHeader) {
  TMemoryStream stream;
  WriteChartFileHeader(stream);
  EXPECT_EQ(stream.TakeBytes(), Hex("60 30 57 01"));
}

TEST(ChartFileTest, MessagesNameTheDefaultExtension) {
  EXPECT_EQ(EmptyChartFileMessage(), "Empty *.kel file");
  EXPECT_EQ(WrongChartFileFormatMessage(), "Wrong *.kel file format");
  EXPECT_EQ(InvalidChartMessage(), "Invalid Chart in *.kel file");
  const ChartException error(WrongChartFileFormatMessage());
  const Exception& base = error;
  EXPECT_STREQ(base.what(), "Wrong *.kel file format");
}

TEST(ChartFileTest, ConversionsRejectInputInNeitherFormWithoutWriting) {
  using Conversion = void (*)(TStream&, TStream&);
  for (const Conversion convert : {Conversion{ChartTextToBinary}, Conversion{ChartBinaryToText}}) {
    for (const std::string input : {"", " object TChart", "\xEF\xBB\xBFobject TChart", "TPF0"}) {
      SCOPED_TRACE(input);
      TMemoryStream in(Bytes(input));
      TMemoryStream out;
      try {
        convert(in, out);
        ADD_FAILURE() << "no exception";
      } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Wrong *.kel file format");
      }
      EXPECT_EQ(out.Size(), 0);
    }
  }
}

TEST(ChartFileTest, SameFormIsCopiedUnchanged) {
  TMemoryStream binary(ExampleChartFile());
  TMemoryStream binaryOut;
  ChartTextToBinary(binary, binaryOut);
  EXPECT_EQ(binaryOut.TakeBytes(), ExampleChartFile());

  // Even text the parser would reject is copied as it is.
  const std::string text = "object TChart\r\n  Width = = =\r\nend\r\ntrailing";
  TMemoryStream textIn(Bytes(text));
  TMemoryStream textOut;
  ChartBinaryToText(textIn, textOut);
  EXPECT_EQ(Text(textOut.TakeBytes()), text);
}

TEST(ChartFileTest, CopiesOnlyWhatFollowsThePosition) {
  std::vector<uint8_t> bytes = Bytes("xx");
  const std::vector<uint8_t> chart = ExampleChartFile();
  bytes.insert(bytes.end(), chart.begin(), chart.end());
  TMemoryStream in(bytes);
  in.SetPosition(2);
  TMemoryStream out;
  ChartTextToBinary(in, out);
  EXPECT_EQ(out.TakeBytes(), chart);
}

TEST(ChartFileTest, BinaryToTextDropsTheHeaderAndRendersTheStream) {
  TMemoryStream in(ExampleChartFile());
  TMemoryStream out;
  ChartBinaryToText(in, out);
  EXPECT_EQ(Text(out.TakeBytes()), kExampleText);
}

TEST(ChartFileTest, TextToBinaryWritesHeaderAndStream) {
  TMemoryStream in(Bytes(kExampleText));
  TMemoryStream out;
  ChartTextToBinary(in, out);
  EXPECT_EQ(out.TakeBytes(), ExampleChartFile());
}

TEST(ChartFileTest, StreamErrorsPassThrough) {
  TMemoryStream in(Hex("60 30 57 01 54 50 46 31 00"));
  TMemoryStream out;
  try {
    ChartBinaryToText(in, out);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream format");
  }
}

TEST(ChartFileTest, DefaultExtensionIsAddedOnlyWhenThereIsNone) {
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"sales", "sales.kel"},
      {"sales.txt", "sales.txt"},
      {"sales.kel", "sales.kel"},
      {"C:\\data\\sales", "C:\\data\\sales.kel"},
      {"C:\\my.data\\sales", "C:\\my.data\\sales.kel"},
      {"a.b\\c", "a.b\\c.kel"},
      {"c.", "c."},
      {"c:", "c:.kel"},
      {"my.data/sales", "my.data/sales.kel"},
      {"/home/u/my.data/sales.2014", "/home/u/my.data/sales.2014"},
      {"folder/", "folder/.kel"},
      {"", ".kel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WithDefaultChartExtension(c.name), c.expected);
  }
}

}  // namespace
}  // namespace kel
