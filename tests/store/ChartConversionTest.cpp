#include <gtest/gtest.h>

#include "model/catalogue/Registration.h"
#include "persist/Exceptions.h"
#include "store/ChartConversion.h"
#include "store/ChartException.h"
#include "tests/persist/HexBytes.h"
#include "tests/platform/TempFolder.h"
#include "tests/store/DataFolder.h"

namespace kel {
namespace {

TEST(ChartOutputNameTest, ReplacesOnlyTheFileNamesOwnExtension) {
  const struct {
    const char* path;
    const char* extension;
    const char* expected;
  } cases[] = {
      {"sales.kel", "txt", "sales.txt"},
      {"sales.kel", "xml", "sales.xml"},
      {"/data/sales.kel", "txt", "/data/sales.txt"},
      {"C:\\data\\sales.kel", "txt", "C:\\data\\sales.txt"},
      {"my.data/sales.kel", "txt", "my.data/sales.txt"},
      {"my.data/sales.2014.kel", "txt", "my.data/sales.2014.txt"},
      {"C:\\my.data\\sales.kel", "xml", "C:\\my.data\\sales.xml"},
      {"sales", "txt", "sales.txt"},
      {"my.data/sales", "txt", "my.data/sales.txt"},
      {"sales.", "txt", "sales.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ChartOutputName(c.path, c.extension), c.expected);
  }
}

class ConvertChartFileTest : public ::testing::Test {
 protected:
  // Runs the conversion and returns the failure message, or "" on success.
  std::string Convert(const std::string& path) {
    try {
      ConvertChartFile(path, {.includeData = true});
      return "";
    } catch (const Exception& e) {
      return e.what();
    }
  }

  test::TempFolder folder;
};

const char* const kBinaryChart =
    "60 30 57 01 54 50 46 30 06 54 43 68 61 72 74 00"
    "05 57 69 64 74 68 03 90 01 00 00";
// What the chart above is written as: its bounds, its canvas and its palette.
const char* const kChartText =
    "object TChart\r\n  Left = 0\r\n  Top = 0\r\n  Width = 400\r\n  Height = 250\r\n"
    "  DefaultCanvas = 'TGDIPlusCanvas'\r\n  ColorPaletteIndex = 13\r\nend\r\n";

std::string BinaryChart() {
  const std::vector<uint8_t> bytes = test::Hex(kBinaryChart);
  return {bytes.begin(), bytes.end()};
}

TEST_F(ConvertChartFileTest, WritesTheTextBesideTheInput) {
  test::WriteFile(folder / "sales.kel", BinaryChart());
  EXPECT_EQ(Convert(folder / "sales.kel"), "");
  EXPECT_EQ(test::ReadFile(folder / "sales.txt"), kChartText);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"sales.kel", "sales.txt"}));
}

TEST_F(ConvertChartFileTest, TextFormInputIsReadIntoTheChart) {
  test::WriteFile(folder / "sales.kel", "Object TChart\n  Width = 400\nend\n");
  EXPECT_EQ(Convert(folder / "sales.kel"), "");
  EXPECT_EQ(test::ReadFile(folder / "sales.txt"), kChartText);
}

TEST_F(ConvertChartFileTest, PathWithoutExtensionFindsTheChartFile) {
  test::WriteFile(folder / "sales.kel", BinaryChart());
  EXPECT_EQ(Convert(folder / "sales"), "");
  EXPECT_EQ(test::ReadFile(folder / "sales.txt"), kChartText);
}

TEST_F(ConvertChartFileTest, DotsInFolderAndNameKeepTheOutputBesideTheInput) {
  ASSERT_EQ(::mkdir((folder / "my.data").c_str(), 0755), 0);
  test::WriteFile(folder / "my.data/sales.2014.kel", BinaryChart());
  EXPECT_EQ(Convert(folder / "my.data/sales.2014.kel"), "");
  EXPECT_EQ(test::ReadFile(folder / "my.data/sales.2014.txt"), kChartText);
}

TEST_F(ConvertChartFileTest, FailuresCarryTheirMessagesAndKeepEarlierOutput) {
  const struct {
    const char* name;
    std::string content;
    std::string message;
  } cases[] = {
      {"empty", "", "Empty *.kel file"},
      {"not a chart", "hello", "Wrong *.kel file format"},
      {"blank before object", " object TChart\r\nend\r\n", "Wrong *.kel file format"},
      {"bad signature", "\x60\x30\x57\x01TPF1", "Invalid stream format"},
      {"cut short", BinaryChart().substr(0, 20), "Stream read error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteFile(folder / "bad.kel", c.content);
    test::WriteFile(folder / "bad.txt", "earlier output");
    EXPECT_EQ(Convert(folder / "bad.kel"), c.message);
    EXPECT_EQ(test::ReadFile(folder / "bad.txt"), "earlier output");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"bad.kel", "bad.txt"}));
  }
}

TEST_F(ConvertChartFileTest, MissingFileRaisesTheOpenErrorWithTheFullName) {
  EXPECT_EQ(Convert(folder / "none"),
            "Cannot open file \"" + (folder / "none.kel") + "\". No such file or directory");
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(ConvertChartFileTest, WarningsAreReturnedAndAStrictConversionWritesNothing) {
  test::WriteFile(folder / "drops.kel",
                  "object Chart1: TChart\n  Foo = 1\n  object S: TNoSuchSeries\n  end\nend\n");
  const ConversionWarnings expected = {"Error reading Chart1.Foo: Property Foo does not exist",
                                       "Error reading S: Class TNoSuchSeries not found"};
  EXPECT_EQ(CheckChartFile(folder / "drops.kel"), expected);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"drops.kel"}));
  try {
    ConvertChartFile(folder / "drops.kel", {.strict = true});
    ADD_FAILURE() << "no failure";
  } catch (const EConversionWarnings& e) {
    EXPECT_EQ(e.Warnings(), expected);
    EXPECT_STREQ(e.what(), "warning: Error reading Chart1.Foo: Property Foo does not exist");
  }
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"drops.kel"}));
  EXPECT_EQ(ConvertChartFile(folder / "drops.kel", {}), expected);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{"drops.kel", "drops.txt"}));
}

TEST_F(ConvertChartFileTest, XmlLeavesOutThePointsOfAKeptDataBlock) {
  RegisterModelClasses();
  std::string chart;
  ASSERT_TRUE(test::ReadDataFile(KEL_TEST_DATA, "catalogue_lossless.kel", chart));
  test::WriteFile(folder / "lossless.kel", chart);
  EXPECT_EQ(ConvertChartFile(folder / "lossless.kel", {}), ConversionWarnings{});
  // The document is UTF-16 (little-endian, after its byte order mark) and
  // holds only ASCII here: every other byte is the text.
  const std::string document = test::ReadFile(folder / "lossless.xml");
  std::string xml;
  for (size_t i = 2; i < document.size(); i += 2) xml += document[i];
  EXPECT_NE(xml.find("type=\"Surface\""), std::string::npos) << xml;
  EXPECT_NE(xml.find("<points count=\"0\">"), std::string::npos) << xml;
}

}  // namespace
}  // namespace kel
