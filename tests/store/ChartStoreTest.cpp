#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/series/SeriesGroups.h"
#include "model/standard/LineSeries.h"
#include "persist/Exceptions.h"
#include "store/ChartException.h"
#include "store/ChartFile.h"
#include "store/ChartStore.h"
#include "tests/platform/TempFolder.h"
#include "tests/store/FakeSeries.h"

namespace kel {
namespace {

using test::TFakeSeries;

TMemoryStream StreamOf(const std::string& text) {
  return TMemoryStream(std::vector<uint8_t>(text.begin(), text.end()));
}

std::string TextOf(const TMemoryStream& stream) {
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

// A chart owned by a host component, as the converter makes it.
class ChartStoreTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterModelClasses();
    test::RegisterFakeSeries();
  }

  std::string WriteText(bool includeData = true) {
    TMemoryStream out;
    WriteChartToStream(*FChart, out, includeData, true);
    return TextOf(out);
  }
  void Read(const std::string& text, bool readData = false, const TProcKelCheckError& check = {}) {
    TMemoryStream in = StreamOf(text);
    ReadChartFromStream(FChart, in, readData, check);
  }
  TFakeSeries* SeriesAt(int index) const {
    return static_cast<TFakeSeries*>(&FChart->Series(index)->SeriesComponent());
  }

  TComponent FHost{nullptr};
  TChart* FChart = new TChart(&FHost);
};

TEST_F(ChartStoreTest, LoadRefusesBadInputBeforeTouchingTheChart) {
  const struct {
    const char* name;
    std::string bytes;
    bool withChart;
    std::string message;
  } cases[] = {
      {"no chart", "object TChart\r\nend\r\n", false, InvalidChartMessage()},
      {"empty stream", "", true, EmptyChartFileMessage()},
      {"neither form", "  object TChart\r\nend\r\n", true, WrongChartFileFormatMessage()},
      {"byte order mark", "\xEF\xBB\xBFobject TChart\r\nend\r\n", true,
       WrongChartFileFormatMessage()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FChart->SetWidth(123);
    TMemoryStream in = StreamOf(c.bytes);
    try {
      ReadChartFromStream(c.withChart ? FChart : nullptr, in);
      ADD_FAILURE() << "no failure";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_EQ(FChart->Width(), 123);
    EXPECT_EQ(in.Position(), 0);
  }
}

TEST_F(ChartStoreTest, BinarySaveStartsWithHeaderAndSignatureAndHasNoRootName) {
  FChart->SetName(u"SalesChart");
  TMemoryStream out;
  WriteChartToStream(*FChart, out, true, false);
  const std::vector<uint8_t> bytes = out.TakeBytes();
  const std::vector<uint8_t> start{0x60, 0x30, 0x57, 0x01, 'T', 'P', 'F', '0',
                                   0x06, 'T',  'C',  'h',  'a', 'r', 't', 0x00};
  ASSERT_GE(bytes.size(), start.size());
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + start.size()), start);
  EXPECT_EQ(FChart->Name(), u"SalesChart");
  EXPECT_TRUE(WriteText().starts_with("object TChart\r\n"));
}

TEST_F(ChartStoreTest, LoadKeepsAGivenNameAndOtherwiseTakesTheStreamsName) {
  Read("object Stored: TChart\r\nend\r\n");
  EXPECT_EQ(FChart->Name(), u"Stored");
  FChart->SetName(u"Mine");
  Read("object Other: TChart\r\nend\r\n");
  EXPECT_EQ(FChart->Name(), u"Mine");
}

TEST_F(ChartStoreTest, LoadClearsTheChartFirstAndRepaintsAfterwards) {
  auto* series = new TFakeSeries(FChart);
  series->SetParentComponent(FChart);
  FChart->SetChart3DPercent(40);
  FChart->SetWidth(300);
  Read("object TChart\r\n  Height = 100\r\nend\r\n");
  EXPECT_EQ(FChart->SeriesCount(), 0);
  EXPECT_EQ(FChart->Chart3DPercent(), 15);
  EXPECT_EQ(FChart->Width(), 300);  // the bounds are not reset, and the file has none
  EXPECT_EQ(FChart->Height(), 100);
  EXPECT_TRUE(FChart->AutoRepaint());
}

TEST_F(ChartStoreTest, ACallbackDecidesWhetherAReadingErrorIsSkipped) {
  std::vector<std::string> reported;
  Read("object TChart\r\n  Bogus = 1\r\n  Width = 300\r\nend\r\n", false,
       [&](const std::string& message) {
         reported.push_back(message);
         return true;
       });
  EXPECT_EQ(reported.size(), 1u);
  EXPECT_EQ(FChart->Width(), 300);
  EXPECT_THROW(Read("object TChart\r\n  Bogus = 1\r\nend\r\n", false,
                    [](const std::string&) { return false; }),
               Exception);
}

TEST_F(ChartStoreTest, EventHandlersInTheStreamAreSkipped) {
  Read("object TChart\r\n  OnAddSeries = Form1AddSeries\r\n  Width = 300\r\nend\r\n");
  EXPECT_EQ(FChart->Width(), 300);
  EXPECT_EQ(WriteText().find("OnAddSeries"), std::string::npos);
}

TEST_F(ChartStoreTest, SeriesComeBackInStreamOrderAndAreWrittenInListOrder) {
  Read(
      "object TChart\r\n"
      "  object Series2: TFakeSeries\r\n    Active = False\r\n  end\r\n"
      "  object Series1: TFakeSeries\r\n  end\r\n"
      "end\r\n");
  ASSERT_EQ(FChart->SeriesCount(), 2);
  EXPECT_EQ(SeriesAt(0)->Name(), u"Series2");
  EXPECT_FALSE(SeriesAt(0)->Active());
  EXPECT_EQ(SeriesAt(1)->Name(), u"Series1");
  const std::string text = WriteText();
  EXPECT_LT(text.find("object Series2: TFakeSeries"), text.find("object Series1: TFakeSeries"));
}

TEST_F(ChartStoreTest, ReferencesToChildrenAreWrittenRelativeToTheChartsOwner) {
  Read(
      "object TChart\r\n"
      "  object Series1: TFakeSeries\r\n  end\r\n"
      "  object Series2: TFakeSeries\r\n    Source = Series1\r\n  end\r\n"
      "end\r\n");
  ASSERT_EQ(SeriesAt(1)->FSource, SeriesAt(0));
  EXPECT_NE(WriteText().find("    Source = Series1.Owner\r\n"), std::string::npos);
}

// A malformed file can give a sub-object a reference and then free that
// sub-object; the reference must go with it rather than be set on freed memory.
TEST_F(ChartStoreTest, AReferenceGoesWithTheSubObjectItWasReadInto) {
  const std::string fresh = WriteText();
  Read(
      "object TChart\r\n"
      "  Gradient.SubGradient.Colors = Nothing\r\n"
      "  Gradient.SubGradient = nil\r\n"
      "end\r\n");
  EXPECT_EQ(WriteText(), fresh);
}

TEST_F(ChartStoreTest, SaveMarksEverySeriesForTheSaveOnly) {
  Read(
      "object TChart\r\n"
      "  object Series1: TFakeSeries\r\n  end\r\n"
      "  object Series2: TFakeSeries\r\n  end\r\n"
      "end\r\n");
  WriteText(true);
  WriteText(false);
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(SeriesAt(i)->MarksWhenWritten, (std::vector<std::string>{"force", "dont"}));
    EXPECT_FALSE(SeriesAt(i)->FForceSaveData);
    EXPECT_FALSE(SeriesAt(i)->FDontSaveData);
  }
}

TEST_F(ChartStoreTest, AFailedSaveClearsTheMarksAndKeepsTheName) {
  Read("object TChart\r\n  object Series1: TFakeSeries\r\n  end\r\nend\r\n");
  FChart->SetName(u"Kept");
  // A stream that takes the header and then refuses every byte.
  class TFullStream : public TMemoryStream {
   public:
    int64_t Write(const void* buffer, int64_t count) override {
      return Size() >= 4 ? 0 : TMemoryStream::Write(buffer, count);
    }
  } full;
  EXPECT_THROW(WriteChartToStream(*FChart, full, true, false), EWriteError);
  EXPECT_FALSE(SeriesAt(0)->FForceSaveData);
  EXPECT_EQ(FChart->Name(), u"Kept");
}

TEST_F(ChartStoreTest, SeriesThatDoNotSerializeAreNotWritten) {
  Read("object TChart\r\n  object Series1: TFakeSeries\r\n  end\r\nend\r\n");
  SeriesAt(0)->FDontSerialize = true;
  EXPECT_EQ(WriteText().find("Series1"), std::string::npos);
}

TEST_F(ChartStoreTest, TrailingValuesAreReadOnlyWhenAskedFor) {
  TMemoryStream text = StreamOf(
      "object TChart\r\n"
      "  object Series1: TFakeSeries\r\n  end\r\n"
      "  object Series2: TFakeSeries\r\n  end\r\n"
      "end\r\n");
  TMemoryStream binary;
  ChartTextToBinary(text, binary);
  const std::string bytes = TextOf(binary) + "\x07\x09";
  for (const bool readData : {false, true}) {
    SCOPED_TRACE(readData);
    Read(bytes, readData);
    ASSERT_EQ(FChart->SeriesCount(), 2);
    EXPECT_EQ(SeriesAt(0)->TrailingBytes,
              readData ? std::vector<uint8_t>{7} : std::vector<uint8_t>{});
    EXPECT_EQ(SeriesAt(1)->TrailingBytes,
              readData ? std::vector<uint8_t>{9} : std::vector<uint8_t>{});
  }
}

TEST_F(ChartStoreTest, SeriesGroupsNameTheirMembersByListIndex) {
  Read(
      "object TChart\r\n"
      "  SeriesGroups = <\r\n"
      "    item\r\n      Name = 'Pair'\r\n      Series = (\r\n        '0'\r\n        '2')\r\n    "
      "end\r\n"
      "    item\r\n      Series = (\r\n        '7'\r\n        'x')\r\n    end>\r\n"
      "  object Series1: TFakeSeries\r\n  end\r\n"
      "  object Series2: TFakeSeries\r\n    Active = False\r\n  end\r\n"
      "  object Series3: TFakeSeries\r\n  end\r\n"
      "end\r\n");
  TSeriesGroup* pair = FChart->SeriesGroups()->Group(0);
  ASSERT_EQ(pair->Series.size(), 2u);
  EXPECT_EQ(pair->Series[1], FChart->Series(2));
  EXPECT_EQ(pair->Active(), gaYes);
  // Indices that name no series are dropped.
  EXPECT_TRUE(FChart->SeriesGroups()->Group(1)->Series.empty());
  EXPECT_NE(WriteText().find(
                "      Name = 'Pair'\r\n      Series = (\r\n        '0'\r\n        '2')\r\n"),
            std::string::npos);
  // A group never keeps a series that left the chart.
  FChart->ClearChart();
  EXPECT_TRUE(pair->Series.empty());
}

TEST_F(ChartStoreTest, FileOperationsAddTheDefaultExtension) {
  test::TempFolder folder;
  FChart->SetWidth(321);
  WriteChartToFile(*FChart, folder / "saved", true, true);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"saved.kel"});
  FChart->SetWidth(1);
  ReadChartFromFile(FChart, folder / "saved");
  EXPECT_EQ(FChart->Width(), 321);
  EXPECT_THROW(ReadChartFromFile(FChart, folder / "missing"), EFOpenError);
}

// The text file is written as it is made, through a second thread; it must be
// the very text of the in-memory conversion: with a byte order mark only when
// a name needs one, and whole when the data run to several megabytes.
TEST_F(ChartStoreTest, TextFileHoldsTheTextFormWhole) {
  const struct {
    const char* name;
    std::u16string seriesName;
    int points;
  } cases[] = {
      {"ASCII names", u"Series1", 3},
      {"a name outside ASCII", u"S\u00E9rie", 3},
      {"data over several pipe pieces", u"Series1", 300000},
      {"a large chart with a name outside ASCII", u"S\u00E9rie", 30000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FChart->FreeAllSeries();
    auto* series = new TLineSeries(FChart);
    series->SetName(c.seriesName);
    series->SetParentChart(FChart);
    for (int i = 0; i < c.points; ++i) series->AddXY(i * 0.5, i % 11);
    test::TempFolder folder;
    WriteChartToFile(*FChart, folder / "chart.txt", true, true);
    const std::string text = WriteText();
    EXPECT_EQ(text.starts_with("\xEF\xBB\xBF"), c.seriesName != u"Series1");
    EXPECT_TRUE(test::ReadFile(folder / "chart.txt") == text);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"chart.txt"});
  }
}

TEST_F(ChartStoreTest, XmlFormRendersTheTextForm) {
  FChart->SetWidth(500);
  TMemoryStream out;
  WriteChartAsXmlToStream(*FChart, out, true, true);
  const std::string xml = TextOf(out);
  EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TChart>\r\n"));
  EXPECT_NE(xml.find("  <Width value=\"500\"/>\r\n"), std::string::npos);
  EXPECT_TRUE(xml.ends_with("</TChart>\r\n"));
}

}  // namespace
}  // namespace kel
