#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/titles/ChartWalls.h"
#include "tests/model/FakeChart.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::FakeChart;
using test::LoadProperties;
using test::PropertiesText;

// Writes the four walls as the chart names them; the right wall is made.
std::string WallsText(TChartWalls& walls) {
  return PropertiesText(*walls.Back(), u"BackWall.") +
         PropertiesText(*walls.Bottom(), u"BottomWall.") +
         PropertiesText(*walls.Left(), u"LeftWall.") +
         PropertiesText(*walls.Right(), u"RightWall.");
}

TEST(ChartWallsTest, NewWallsWriteNothing) {
  TChartWalls walls(nullptr);
  EXPECT_FALSE(walls.HasRight());
  EXPECT_EQ(WallsText(walls), "");
  ASSERT_TRUE(walls.HasRight());
  EXPECT_FALSE(walls.Right()->Visible());
  EXPECT_EQ(walls.Right()->Color(), clSilver);
  EXPECT_EQ(walls.Back()->Color(), clSilver);
  EXPECT_EQ(walls.Left()->Color(), static_cast<TColor>(0x80FFFF));
  EXPECT_EQ(walls.Bottom()->Color(), clWhite);
  EXPECT_TRUE(walls.Back()->Transparent());
  EXPECT_FALSE(walls.Back()->Shadow()->Visible());
  EXPECT_EQ(walls.Back()->Shadow()->Color(), clGray);
  EXPECT_EQ(walls.Back()->Shadow()->HorizSize(), 0);
  EXPECT_FALSE(walls.Back()->Emboss()->Visible());
  EXPECT_EQ(walls.Back()->Emboss()->Color(), clGray);
}

struct WallCase {
  const char* name;
  std::function<void(TChartWalls&)> change;
  std::string expected;
};

TEST(ChartWallsTest, EachWallWritesAgainstItsOwnDefaults) {
  const WallCase cases[] = {
      {"back silver", [](TChartWalls& w) { w.Back()->SetColor(clSilver); }, ""},
      {"left silver", [](TChartWalls& w) { w.Left()->SetColor(clSilver); },
       "LeftWall.Color = clSilver\n"},
      {"bottom white", [](TChartWalls& w) { w.Bottom()->SetColor(clWhite); }, ""},
      {"bottom yellowish",
       [](TChartWalls& w) { w.Bottom()->SetColor(static_cast<TColor>(0x80FFFF)); },
       "BottomWall.Color = 8454143\n"},
      {"right default colour", [](TChartWalls& w) { w.Right()->SetColor(clDefault); },
       "RightWall.Color = clDefault\n"},
      {"back opaque", [](TChartWalls& w) { w.Back()->SetTransparent(false); },
       "BackWall.Transparent = False\n"},
      {"left transparent", [](TChartWalls& w) { w.Left()->SetTransparent(true); },
       "LeftWall.Transparent = True\n"},
      {"right shown", [](TChartWalls& w) { w.Right()->SetVisible(true); },
       "RightWall.Visible = True\n"},
      {"bottom hidden", [](TChartWalls& w) { w.Bottom()->SetVisible(false); },
       "BottomWall.Visible = False\n"},
      {"back shadow shown", [](TChartWalls& w) { w.Back()->Shadow()->SetVisible(true); },
       "BackWall.Shadow.Visible = True\n"},
      {"back emboss size", [](TChartWalls& w) { w.Back()->Emboss()->SetHorizSize(3); },
       "BackWall.Emboss.HorizSize = 3\n"},
      {"back pen", [](TChartWalls& w) { w.Back()->Pen()->SetColor(clRed); },
       "BackWall.Pen.Color = clRed\n"},
      {"left brush", [](TChartWalls& w) { w.Left()->Brush()->SetStyle(bsClear); },
       "LeftWall.Brush.Style = bsClear\n"},
      {"left picture", [](TChartWalls& w) { w.Left()->Picture()->SetLeft(4); },
       "LeftWall.Picture.Left = 4\n"},
      // No ShapeStyle is published, so the rounded style is not written.
      {"round size", [](TChartWalls& w) { w.Bottom()->SetRoundSize(8); },
       "BottomWall.RoundSize = 8\n"},
      {"size for all", [](TChartWalls& w) { w.SetSize(6); },
       "BackWall.Size = 6\nBottomWall.Size = 6\nLeftWall.Size = 6\nRightWall.Size = 6\n"},
      {"back wall order",
       [](TChartWalls& w) {
         w.Back()->Shadow()->SetColor(clBlack);
         w.Back()->Emboss()->SetVisible(true);
         w.Back()->SetVisible(false);
         w.Back()->SetStartPosition(10);
         w.Back()->SetEndPosition(90);
         w.Back()->SetDark3D(false);
         w.Back()->SetAutoHide(true);
       },
       "BackWall.AutoHide = True\nBackWall.Dark3D = False\nBackWall.EndPosition = 90\n"
       "BackWall.StartPosition = 10\nBackWall.Visible = False\n"
       "BackWall.Emboss.Visible = True\nBackWall.Shadow.Color = clBlack\n"},
  };
  for (const WallCase& c : cases) {
    SCOPED_TRACE(c.name);
    TChartWalls walls(nullptr);
    c.change(walls);
    const std::string written = WallsText(walls);
    EXPECT_EQ(written, c.expected);
    TChartWalls reread(nullptr);
    LoadProperties(*reread.Back(), PropertiesText(*walls.Back()));
    LoadProperties(*reread.Bottom(), PropertiesText(*walls.Bottom()));
    LoadProperties(*reread.Left(), PropertiesText(*walls.Left()));
    LoadProperties(*reread.Right(), PropertiesText(*walls.Right()));
    EXPECT_EQ(WallsText(reread), written);
  }
}

TEST(ChartWallsTest, VisibleIsTheChartsView3DWalls) {
  FakeChart chart;
  TChartWalls walls(nullptr);
  walls.SetChart(&chart);
  EXPECT_TRUE(walls.Visible());
  walls.SetVisible(false);
  EXPECT_FALSE(chart.walls3D);
  EXPECT_FALSE(walls.Visible());
}

TEST(ChartWallsTest, AssignCopiesEveryWallAndDropsAnUnmadeRightWall) {
  TChartWalls source(nullptr);
  source.Back()->SetColor(clRed);
  source.Left()->SetAutoHide(true);
  source.Bottom()->Pen()->SetWidth(2);
  TChartWalls copy(nullptr);
  copy.Right()->SetVisible(true);
  copy.Assign(&source);
  EXPECT_FALSE(copy.HasRight());
  EXPECT_EQ(WallsText(copy), WallsText(source));

  source.Right()->SetSize(4);
  copy.Assign(&source);
  EXPECT_EQ(WallsText(copy),
            "BackWall.Color = clRed\nBottomWall.Pen.Width = 2\n"
            "LeftWall.AutoHide = True\nRightWall.Size = 4\n");
}

}  // namespace
}  // namespace kel
