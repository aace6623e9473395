#include <gtest/gtest.h>

#include <string>

#include "model/chart/Chart.h"
#include "model/titles/ChartPage.h"
#include "model/titles/ChartWalls.h"
#include "model/titles/Legend.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

// What every new chart writes around the entries of its parts.
const std::string kHead = "Left = 0\nTop = 0\nWidth = 400\nHeight = 250\n";
const std::string kTail = "DefaultCanvas = 'TGDIPlusCanvas'\nColorPaletteIndex = 13\n";

struct PartsCase {
  const char* name;
  const char* loaded;
  const char* written;
};

TEST(ChartPartsTest, TitlesLegendWallsZoomPanningAndPagesInAChart) {
  const PartsCase cases[] = {
      {"stored page clamped while reading", "Pages.Current = 3\nPages.MaxPointsPerPage = 5",
       "Pages.MaxPointsPerPage = 5\n"},
      {"legend placed by Left alone", "Legend.Left = 20",
       "Legend.CustomPosition = True\nLegend.Left = 20\nLegend.Top = 0\n"},
      {"symbol width twice", "Legend.Symbol.Width = 30",
       "Legend.ColorWidth = 30\nLegend.Symbol.Width = 30\n"},
      {"radio buttons", "Legend.CheckBoxesStyle = cbsRadio", "Legend.CheckBoxesStyle = cbsRadio\n"},
      {"legend title", "Legend.Title.Text.Strings = (\n'Key')\nLegend.Title.Visible = False",
       "Legend.Title.Text.Strings = (\n  'Key')\nLegend.Title.Visible = False\n"},
      {"sub title in blue, sub foot in blue",
       "SubTitle.Font.Color = clBlue\nSubFoot.Font.Color = clBlue",
       "SubFoot.Font.Color = clBlue\n"},
      {"right wall shown", "RightWall.Visible = True\nRightWall.Color = clSilver",
       "RightWall.Visible = True\n"},
      {"zoom and panning",
       "Zoom.Pen.Color = clSilver\nZoom.History = True\nPanning.InsideBounds = True",
       "Panning.InsideBounds = True\nZoom.History = True\n"},
  };
  for (const PartsCase& c : cases) {
    SCOPED_TRACE(c.name);
    TChart chart(nullptr);
    LoadProperties(chart, c.loaded);
    EXPECT_EQ(PropertiesText(chart), kHead + c.written + kTail);
  }
}

TEST(ChartPartsTest, WritingMakesTheRightWallAndTheLegendTitleWithTheirInitialValues) {
  TChart chart(nullptr);
  EXPECT_FALSE(chart.Walls().HasRight());
  EXPECT_FALSE(chart.Legend()->HasTitle());
  EXPECT_EQ(PropertiesText(chart), kHead + kTail);
  ASSERT_TRUE(chart.Walls().HasRight());
  EXPECT_FALSE(chart.Walls().Right()->Visible());
  EXPECT_EQ(chart.Walls().Right()->Color(), clSilver);
  EXPECT_TRUE(chart.Legend()->HasTitle());
}

TEST(ChartPartsTest, ThePartsReachTheirChart) {
  TChart chart(nullptr);
  chart.Walls().SetVisible(false);
  EXPECT_FALSE(chart.View3DWalls());
  chart.Pages()->SetMaxPointsPerPage(10);
  EXPECT_EQ(chart.Pages()->Count(), 1);  // no series
}

}  // namespace
}  // namespace kel
