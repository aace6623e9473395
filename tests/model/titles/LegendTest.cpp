#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/titles/Legend.h"
#include "model/titles/LegendSymbol.h"
#include "persist/StringList.h"
#include "tests/model/FakeChart.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::FakeChart;
using test::FakeSeries;
using test::LoadProperties;
using test::PropertiesText;

TEST(LegendTest, NewLegendWritesNothing) {
  TChartLegend legend(nullptr);
  EXPECT_EQ(PropertiesText(legend, u"Legend."), "");
  // Writing made the title; it holds only initial values.
  ASSERT_TRUE(legend.HasTitle());
  EXPECT_TRUE(legend.Title()->Transparent());
  EXPECT_EQ(legend.Title()->Shadow()->Color(), clSilver);
  EXPECT_EQ(legend.Title()->Shadow()->HorizSize(), 2);
  EXPECT_FALSE(legend.Title()->Emboss()->Visible());
  EXPECT_EQ(legend.Title()->Emboss()->Color(), clSilver);
  EXPECT_EQ(legend.Shadow()->Color(), clBlack);
  EXPECT_EQ(legend.Shadow()->VertSize(), 3);
}

struct LegendCase {
  const char* name;
  std::function<void(TChartLegend&)> change;
  std::string expected;
};

TEST(LegendTest, EachPropertyHasItsWriteRule) {
  const LegendCase cases[] = {
      {"alignment", [](TChartLegend& l) { l.SetAlignment(laBottom); },
       "Legend.Alignment = laBottom\n"},
      {"check boxes", [](TChartLegend& l) { l.SetCheckBoxes(true); }, "Legend.CheckBoxes = True\n"},
      {"radio", [](TChartLegend& l) { l.SetCheckBoxesStyle(cbsRadio); },
       "Legend.CheckBoxesStyle = cbsRadio\n"},
      {"symbol width twice", [](TChartLegend& l) { l.Symbol()->SetWidth(30); },
       "Legend.ColorWidth = 30\nLegend.Symbol.Width = 30\n"},
      {"colour width", [](TChartLegend& l) { l.SetColorWidth(12); },
       "Legend.ColorWidth = 12\nLegend.Symbol.Width = 12\n"},
      {"all pages", [](TChartLegend& l) { l.SetCurrentPage(false); },
       "Legend.CurrentPage = False\n"},
      {"dividing lines", [](TChartLegend& l) { l.DividingLines()->SetVisible(true); },
       "Legend.DividingLines.Visible = True\n"},
      {"first value", [](TChartLegend& l) { l.SetFirstValue(2); }, "Legend.FirstValue = 2\n"},
      {"series colour", [](TChartLegend& l) { l.SetFontSeriesColor(true); },
       "Legend.FontSeriesColor = True\n"},
      {"global transparency", [](TChartLegend& l) { l.SetGlobalTransparency(30); },
       "Legend.GlobalTransparency = 30\n"},
      // The brush gradient remembers right-to-left, silver to white.
      {"gradient direction kept", [](TChartLegend& l) { l.Gradient()->SetDirection(gdRightLeft); },
       ""},
      {"gradient direction", [](TChartLegend& l) { l.Gradient()->SetDirection(gdTopBottom); },
       "Legend.Brush.Gradient.Direction = gdTopBottom\n"},
      {"gradient silver start", [](TChartLegend& l) { l.Gradient()->SetStartColor(clSilver); }, ""},
      {"gradient white start", [](TChartLegend& l) { l.Gradient()->SetStartColor(clWhite); },
       "Legend.Brush.Gradient.StartColor = clWhite\n"},
      {"legend style", [](TChartLegend& l) { l.SetLegendStyle(lsValues); },
       "Legend.LegendStyle = lsValues\n"},
      {"position units", [](TChartLegend& l) { l.SetPositionUnits(muPercent); },
       "Legend.PositionUnits = muPercent\n"},
      {"round size", [](TChartLegend& l) { l.SetRoundSize(10); },
       "Legend.RoundSize = 10\nLegend.ShapeStyle = fosRoundRectangle\n"},
      {"shadow silver", [](TChartLegend& l) { l.Shadow()->SetColor(clSilver); },
       "Legend.Shadow.Color = clSilver\n"},
      {"text style", [](TChartLegend& l) { l.SetTextStyle(ltsPlain); },
       "Legend.TextStyle = ltsPlain\n"},
      {"gap", [](TChartLegend& l) { l.SetTextSymbolGap(0); }, "Legend.TextSymbolGap = 0\n"},
      {"title text", [](TChartLegend& l) { l.Title()->SetText(u"Series"); },
       "Legend.Title.Text.Strings = (\n  'Series')\n"},
      {"title hidden", [](TChartLegend& l) { l.Title()->SetVisible(false); },
       "Legend.Title.Visible = False\n"},
      {"title opaque", [](TChartLegend& l) { l.Title()->SetTransparent(false); },
       "Legend.Title.Transparent = False\n"},
      {"title not bold", [](TChartLegend& l) { l.Title()->Font()->SetStyle({}); },
       "Legend.Title.Font.Style = []\n"},
      {"title shadow black", [](TChartLegend& l) { l.Title()->Shadow()->SetColor(clBlack); },
       "Legend.Title.Shadow.Color = clBlack\n"},
      {"title emboss shown", [](TChartLegend& l) { l.Title()->Emboss()->SetVisible(true); },
       "Legend.Title.Emboss.Visible = True\n"},
      {"top position", [](TChartLegend& l) { l.SetTopPos(0); }, "Legend.TopPos = 0\n"},
      {"transparent", [](TChartLegend& l) { l.SetTransparent(true); },
       "Legend.Transparent = True\n"},
      {"hidden", [](TChartLegend& l) { l.SetVisible(false); }, "Legend.Visible = False\n"},
      {"clip text", [](TChartLegend& l) { l.SetClipText(false); }, "Legend.ClipText = False\n"},
      {"cursor", [](TChartLegend& l) { l.SetCursor(crCross); }, "Legend.Cursor = crCross\n"},
      {"margins", [](TChartLegend& l) { l.Margins()->SetTop(2); }, "Legend.Margins.Top = 2\n"},
      {"text format", [](TChartLegend& l) { l.SetTextFormat(ttfHtml); },
       "Legend.TextFormat = ttfHtml\n"},
      // The entries after Visible come last, in their own order.
      {"tail order",
       [](TChartLegend& l) {
         l.SetTextFormat(ttfHtml);
         l.SetClipText(false);
         l.SetVisible(false);
         l.SetVertSpacing(3);
         l.SetVertMargin(4);
       },
       "Legend.VertMargin = 4\nLegend.VertSpacing = 3\nLegend.Visible = False\n"
       "Legend.ClipText = False\nLegend.TextFormat = ttfHtml\n"},
  };
  for (const LegendCase& c : cases) {
    SCOPED_TRACE(c.name);
    TChartLegend legend(nullptr);
    c.change(legend);
    const std::string written = PropertiesText(legend, u"Legend.");
    EXPECT_EQ(written, c.expected);
    TChartLegend reread(nullptr);
    LoadProperties(reread, PropertiesText(legend));
    EXPECT_EQ(PropertiesText(reread, u"Legend."), written);
  }
}

TEST(LegendTest, ReadingLeftAloneTurnsCustomPositionOn) {
  TChartLegend legend(nullptr);
  LoadProperties(legend, "Left = 20");
  EXPECT_EQ(PropertiesText(legend, u"Legend."),
            "Legend.CustomPosition = True\n"
            "Legend.Left = 20\n"
            "Legend.Top = 0\n");
}

TEST(LegendTest, NegativeFirstValueIsRefused) {
  TChartLegend legend(nullptr);
  legend.SetFirstValue(3);
  try {
    legend.SetFirstValue(-1);
    FAIL() << "no error";
  } catch (const LegendException& e) {
    EXPECT_EQ(e.Message(), "First Legend Value must be > 0");
  }
  EXPECT_EQ(legend.FirstValue(), 3);
  EXPECT_THROW(LoadProperties(legend, "FirstValue = -2"), EReadError);
  EXPECT_EQ(legend.FirstValue(), 3);
}

TEST(LegendTest, RadioButtonsLeaveOnlyTheFirstLegendSeriesActive) {
  FakeChart chart;
  chart.series = {{false, true}, {true, false}, {true, true},
                  {true, true},  {true, false}, {true, true}};
  TChartLegend legend(nullptr);
  legend.SetChart(&chart);
  legend.SetCheckBoxesStyle(cbsRadio);
  const bool expected[] = {false, true, true, false, true, false};
  for (size_t i = 0; i < chart.series.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(chart.series[i].active, expected[i]);
  }
}

TEST(LegendTest, RadioButtonsReadBeforeAnySeriesChangeNothing) {
  FakeChart chart;
  TChartLegend legend(nullptr);
  legend.SetChart(&chart);
  LoadProperties(legend, "CheckBoxesStyle = cbsRadio");
  EXPECT_EQ(legend.CheckBoxesStyle(), cbsRadio);
  EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(LegendTest, AssigningANewLegendResetsEverything) {
  TChartLegend legend(nullptr);
  LoadProperties(legend,
                 "Alignment = laLeft\nCheckBoxes = True\nColorWidth = 5\nTextSymbolGap = 7\n"
                 "Title.Text.Strings = (\n  'T')\nTopPos = 3\nVisible = False");
  ASSERT_NE(PropertiesText(legend), "");
  TChartLegend fresh(nullptr);
  legend.Assign(&fresh);
  EXPECT_EQ(PropertiesText(legend), "");
}

TEST(LegendTest, AssignCopiesTheLegend) {
  TChartLegend source(nullptr);
  LoadProperties(source,
                 "Alignment = laTop\nCheckBoxesStyle = cbsRadio\nDividingLines.Visible = True\n"
                 "FirstValue = 1\nLeft = 5\nSymbol.Squared = False\nTextSymbolGap = 4\n"
                 "Title.Visible = False\nTopPercent = 9\nVertSpacing = 1");
  TChartLegend copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));
}

}  // namespace
}  // namespace kel
