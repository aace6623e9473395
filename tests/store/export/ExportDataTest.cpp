// The export framework: which series take part, the counts, the content
// flags under the include settings, value texts, colour texts and saving.
#include <gtest/gtest.h>

#include "model/series/SeriesData.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"
#include "platform/Clipboard.h"
#include "store/export/ExportData.h"
#include "store/export/TextEncoding.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

// A line-per-point document: the point's values of every exported series.
class PointLineExport : public TSeriesData {
 public:
  using TSeriesData::TSeriesData;

  std::u16string PointLine(int index) override {
    std::u16string line;
    for (TChartSeries* series : ExportedSeries()) {
      if (index < series->Count()) line += ValueToString(series, series->YValue(index));
      line += u';';
    }
    return line;
  }
};

class ExportDataTest : public ExportChartTest {
 protected:
  // Three line series with 3, 5 and 1 points.
  void BuildThree() {
    for (int s = 0; s < 3; ++s) {
      FThree[s] = AddSeries<TLineSeries>(u"S" + Utf8ToUtf16(std::to_string(s)));
      for (int i = 0; i < (s == 0 ? 3 : s == 1 ? 5 : 1); ++i) FThree[s]->Add(i + s * 10);
    }
  }

  TLineSeries* FThree[3] = {};
};

TEST_F(ExportDataTest, SeriesSelection) {
  BuildThree();
  PointLineExport all(&FChart, nullptr, FPoint);
  EXPECT_EQ(all.ExportedSeriesCount(), 3);
  EXPECT_EQ(all.MaxPointCount(), 5);
  EXPECT_EQ(Utf16ToUtf8(all.AsString()), "0;10;20;\r\n1;11;;\r\n2;12;;\r\n;13;;\r\n;14;;\r\n");

  PointLineExport listed(&FChart, nullptr, FPoint);
  listed.SeriesList().push_back(FThree[2]);
  EXPECT_TRUE(listed.ValidSeries(FThree[2]));
  EXPECT_FALSE(listed.ValidSeries(FThree[0]));
  EXPECT_EQ(listed.ExportedSeriesCount(), 1);
  EXPECT_EQ(listed.MaxPointCount(), 1);
  EXPECT_EQ(Utf16ToUtf8(listed.AsString()), "20;\r\n");

  PointLineExport single(&FChart, FThree[1], FPoint);
  single.SeriesList().push_back(FThree[2]);
  EXPECT_TRUE(single.ValidSeries(FThree[1]));
  EXPECT_EQ(single.ExportedSeriesCount(), 1);
  EXPECT_EQ(single.MaxPointCount(), 5);
  EXPECT_EQ(single.LineCount(), 5);
  single.IncludeHeader = true;
  EXPECT_EQ(single.LineCount(), 6);
}

TEST_F(ExportDataTest, NoChartGivesTheEmptyDocument) {
  PointLineExport none(nullptr, nullptr, FPoint);
  EXPECT_EQ(none.MaxPointCount(), 0);
  EXPECT_EQ(none.AsString(), u"");
}

TEST_F(ExportDataTest, ContentFlagsUnderTheIncludeSettings) {
  auto* plain = AddSeries<TLineSeries>(u"Plain");
  plain->AddXY(0, 1);
  plain->AddXY(1, 2);
  auto* shifted = AddSeries<TLineSeries>(u"Shifted");
  shifted->AddXY(1, 1, u"one");
  shifted->AddXY(2, 2, {}, TColor(0x00FF00));
  auto* lateLabels = AddSeries<TLineSeries>(u"Late");
  for (int i = 0; i < 102; ++i) lateLabels->AddXY(i, i, i > 100 ? u"late" : u"");

  TSeriesData data(&FChart, nullptr, FPoint);
  data.FormatForSeries(plain);
  EXPECT_EQ(data.IFormat, 0);
  data.FormatForSeries(shifted);
  EXPECT_EQ(data.IFormat, scfXValues | scfLabels);
  data.FormatForSeries(lateLabels);
  EXPECT_EQ(data.IFormat, 0);

  data.IncludeColors = true;
  data.FormatForSeries(plain);
  EXPECT_EQ(data.IFormat, scfColors);
  data.IncludeLabels = false;
  data.IncludeColors = false;
  data.FormatForSeries(shifted);
  EXPECT_EQ(data.IFormat, scfXValues);

  // Without a series: the first valid series with points decides.
  TSeriesData listed(&FChart, nullptr, FPoint);
  listed.SeriesList().push_back(shifted);
  listed.ComputeOwnFormat();
  EXPECT_EQ(listed.IFormat, scfXValues | scfLabels);
  // X, labels: one column each per series, plus Y.
  listed.IncludeIndex = true;
  EXPECT_EQ(listed.ColumnCount(), 1 + 1 + 1 + 1);
}

TEST_F(ExportDataTest, ValueTexts) {
  BuildSalesChart();
  FSales->SetValueFormat(u"0.000");
  TSeriesData data(&FChart, nullptr, FComma);
  EXPECT_EQ(data.ValueToString(FSales, 12.5), u"12,5");
  data.ValueFormat = u"0.00";
  EXPECT_EQ(data.ValueToString(FSales, 2), u"2,00");
  data.UseSeriesFormat = true;
  EXPECT_EQ(data.ValueToString(FSales, 2), u"2,000");
  EXPECT_EQ(data.ValueToString(nullptr, 2), u"2,00");
}

TEST(ColorToHexTextTest, RawColourBytes) {
  struct Case {
    uint32_t color;
    const char* text;
  };
  const Case cases[] = {
      {0x0000FF, "#FF0000"},     {0x112233, "#332211"},     {0x20000000, "#20000000"},
      {0x1FFFFFFF, "#1FFFFFFF"}, {0xFF00000F, "#FF0F0000"}, {0, "#000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Utf16ToUtf8(ColorToHexText(static_cast<TColor>(c.color))), c.text);
  }
}

TEST_F(ExportDataTest, SavingUsesTheFileEncodingOrTheCodePage) {
  auto* series = AddSeries<TLineSeries>(u"S");
  series->Add(1.5);
  PointLineExport data(&FChart, nullptr, FPoint);
  data.ValueFormat = u"0.0 '€'";
  TMemoryStream codePage;
  data.SaveToStream(codePage);
  EXPECT_EQ(std::string(codePage.Bytes().begin(), codePage.Bytes().end()), "1.5 \x80;\r\n");

  data.SetFileEncoding(TEncoding::Create("UTF-8"));
  TMemoryStream utf8;
  data.SaveToStream(utf8);
  EXPECT_EQ(std::string(utf8.Bytes().begin(), utf8.Bytes().end()), "1.5 \xE2\x82\xAC;\r\n");

  const std::string file = FFolder / "values.txt";
  data.SaveToFile(file);
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1.5 \xE2\x82\xAC;\r\n");
}

TEST_F(ExportDataTest, SaveToFileInAMissingFolderRaisesTheCreateError) {
  TSeriesData data(&FChart, nullptr, FPoint);
  const std::string file = FFolder / "missing/values.txt";
  try {
    data.SaveToFile(file);
    FAIL() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + file + "\"", 0), 0u)
        << e.what();
  }
}

TEST_F(ExportDataTest, CopyToClipboard) {
  class RecordingClipboard : public Clipboard {
   public:
    void SetText(const std::u16string& text) override { Text = text; }
    std::u16string Text;
  };
  auto* series = AddSeries<TLineSeries>(u"S");
  series->Add(4);
  PointLineExport data(&FChart, nullptr, FPoint);
  data.CopyToClipboard();  // no clipboard: nothing happens
  RecordingClipboard clipboard;
  SetSystemClipboard(&clipboard);
  data.CopyToClipboard();
  SetSystemClipboard(nullptr);
  EXPECT_EQ(clipboard.Text, u"4;\r\n");
}

}  // namespace
}  // namespace kel::test
