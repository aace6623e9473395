#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/chart/Chart.h"
#include "model/chart/ChartPalette.h"
#include "model/series/SeriesGroups.h"
#include "model/titles/Zoom.h"
#include "platform/OptionStore.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

// Installs an option store for one test and empties it again afterwards.
class ScopedOptions {
 public:
  explicit ScopedOptions(std::map<std::u16string, std::u16string, std::less<>> values) {
    SetUserOptions(std::make_unique<MemoryOptionStore>(std::move(values)));
  }
  ~ScopedOptions() { SetUserOptions(std::make_unique<MemoryOptionStore>()); }
};

TEST(ChartTest, ANewChartWritesItsBoundsCanvasAndPaletteOnly) {
  TChart chart(nullptr);
  EXPECT_EQ(PropertiesText(chart),
            "Left = 0\nTop = 0\nWidth = 400\nHeight = 250\n"
            "DefaultCanvas = 'TGDIPlusCanvas'\nColorPaletteIndex = 13\n");
}

TEST(ChartTest, TheOptionStoreGivesTheCanvasAndThePalette) {
  ScopedOptions options({{u"DefaultCanvas", u"TKelCanvas3D"}, {u"DefaultPalette", u"5"}});
  TChart chart(nullptr);
  EXPECT_EQ(chart.IDefaultCanvas, u"TKelCanvas3D");
  EXPECT_EQ(chart.Canvas().ClassName(), u"TKelCanvas3D");
  EXPECT_EQ(chart.ColorPaletteIndex(), 5);
  EXPECT_EQ(chart.ColorPalette, PredefinedPalette(5));
}

TEST(ChartTest, PaletteIndexSelectsThePaletteColours) {
  const struct {
    int32_t index;
    size_t length;
  } cases[] = {{13, 12}, {1, 22}, {8, 25}, {19, 15}, {-1, 0}, {0, 0}, {20, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    TChart chart(nullptr);
    chart.SetColorPaletteIndex(c.index);
    EXPECT_EQ(chart.ColorPalette.size(), c.length);
    EXPECT_EQ(chart.ColorPalette, PredefinedPalette(c.index));
  }
  EXPECT_EQ(PredefinedPalette(13).front(), static_cast<TColor>(0xA36644));
  EXPECT_EQ(PredefinedPalette(13).back(), static_cast<TColor>(0xB4B4B4));
}

TEST(ChartTest, ACustomPaletteStartsFromThePreviousOne) {
  TChart chart(nullptr);
  chart.SetColorPaletteIndex(-2);
  EXPECT_EQ(chart.ColorPalette, PredefinedPalette(13));
  chart.SetColorPaletteIndex(-1);
  chart.SetColorPaletteIndex(-2);
  EXPECT_EQ(chart.ColorPalette, DefaultPalette());
}

TEST(ChartTest, AnEmptyPaletteFallsBackToTheDefaultPalette) {
  TChart chart(nullptr);
  chart.SetColorPaletteIndex(-1);
  EXPECT_EQ(chart.GetDefaultColor(0), clRed);
  EXPECT_EQ(chart.GetDefaultColor(21), clGreen);
  chart.SetColorPaletteIndex(13);
  EXPECT_EQ(chart.GetDefaultColor(12), static_cast<TColor>(0xA36644));
}

TEST(ChartTest, FreeSeriesColoursAvoidTheBackground) {
  TChart chart(nullptr);
  chart.ColorPalette = {clSilver, clRed, clBlue};
  // clSilver is the back wall's colour; the last entry is never tried.
  EXPECT_EQ(chart.GetFreeSeriesColor(true, nullptr), clRed);
  EXPECT_EQ(chart.GetFreeSeriesColor(false, nullptr), clSilver);
  chart.ColorPalette = {clSilver, clBlue};
  EXPECT_EQ(chart.GetFreeSeriesColor(true, nullptr), clSilver);
}

TEST(ChartTest, The3DPercentMustStayWithinItsRange) {
  TChart chart(nullptr);
  for (const int32_t value : {0, 101, -5}) {
    SCOPED_TRACE(value);
    try {
      chart.SetChart3DPercent(value);
      ADD_FAILURE() << "accepted";
    } catch (const Exception& e) {
      EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
    }
    EXPECT_EQ(chart.Chart3DPercent(), 15);
  }
  chart.SetChart3DPercent(100);
  EXPECT_EQ(chart.Chart3DPercent(), 100);
}

TEST(ChartTest, ClearChartResetsTheChartButKeepsItsPlaceAndName) {
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  chart->SetName(u"Chart1");
  LoadProperties(*chart,
                 "Tag = 4\nLeft = 7\nWidth = 99\nAlign = alTop\nZoomWheel = pmwNormal\n"
                 "Chart3DPercent = 40\nView3D = False\nMarginLeft = 9\nColor = clWhite\n"
                 "Monochrome = True\nBorderRound = 3\nAllowPanning = pmNone\n"
                 "Zoom.Allow = False\nLeftAxis.Inverted = True\nLegend.Visible = False\n"
                 "Title.Text.Strings = (\n'Sales')\n"
                 "SeriesGroups = <\nitem\nName = 'G'\nend>\n");
  chart->IDefaultCanvas = u"TKelCanvas3D";
  chart->ClearChart();
  EXPECT_EQ(PropertiesText(*chart),
            "Tag = 4\nLeft = 7\nTop = 0\nWidth = 99\nHeight = 250\n"
            "SeriesGroups = <\n  item\n    Name = 'G'\n  end>\n"
            "ZoomWheel = pmwNormal\nAlign = alTop\n"
            "DefaultCanvas = 'TKelCanvas3D'\nColorPaletteIndex = 13\n");
  EXPECT_EQ(chart->Name(), u"Chart1");
}

TEST(ChartTest, AnUnregisteredCanvasNameKeepsItsNameAndGetsTheStandardCanvas) {
  TChart chart(nullptr);
  chart.IDefaultCanvas = u"TDirect2DCanvas";
  chart.LoadFinished();
  EXPECT_EQ(chart.Canvas().ClassName(), u"TKelCanvas3D");
  EXPECT_EQ(chart.IDefaultCanvas, u"TDirect2DCanvas");
}

TEST(ChartTest, SeriesGroupsAreNamedByTheirCountAtCreation) {
  TChart chart(nullptr);
  TSeriesGroups& groups = *chart.SeriesGroups();
  groups.Add();
  groups.Add();
  EXPECT_EQ(groups.Group(0)->FName, u"Group0");
  EXPECT_EQ(groups.Group(1)->FName, u"Group1");
  EXPECT_EQ(groups.Group(0)->Active(), gaYes);
}

}  // namespace
}  // namespace kel
