#include <gtest/gtest.h>

#include <string>

#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/tools/AnnotationTool.h"
#include "model/tools/ChartImageTool.h"
#include "model/tools/ChartTools.h"
#include "model/tools/DrawLineTool.h"
#include "model/tools/FullScreenTool.h"
#include "model/tools/MarksTipTool.h"
#include "model/tools/NearestTool.h"
#include "model/tools/RotateTool.h"
#include "persist/ClassRegistry.h"
#include "persist/Unicode.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/tools/ToolChartText.h"

namespace kel {
namespace {

using test::ChartText;
using test::ChildrenText;
using test::PropertiesText;
using test::ReadChartText;

class StandardToolsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }
};

TEST_F(StandardToolsTest, ToolsWithPropertiesSetWriteThemAndReadThemBack) {
  const struct {
    const char* name;
    std::function<std::unique_ptr<TComponent>()> make;
    std::string lines;
  } cases[] = {
      {"annotation", [] { return std::make_unique<TAnnotationTool>(nullptr); },
       "Active = False\nAutoSize = False\nCallout.Visible = True\nCursor = crHandPoint\n"
       "Position = ppCenter\nShape.Cursor = crHandPoint\n"
       "Shape.Text = 'hello'\nShape.Visible = False\nHeight = 20\nWidth = 30\nZ = 2\n"},
      {"full screen", [] { return std::make_unique<TFullScreenTool>(nullptr); },
       "Active = True\nReleaseKey = 13\n"},
      {"draw line", [] { return std::make_unique<TDrawLineTool>(nullptr); },
       "Lines = <\n  item\n    Pen.Color = clRed\n    X1 = 2.500000000000000000\n  end\n  item\n"
       "    Style = dlEllipse\n    Y0 = -1.000000000000000000\n  end>\n"
       "Style = dlRectangle\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto tool = c.make();
    test::LoadProperties(*tool, c.lines);
    EXPECT_EQ(PropertiesText(*tool), c.lines);
    test::ExpectRoundTrip(c.make, c.lines);
  }
}

TEST_F(StandardToolsTest, ADrawnLinesOwnPenStartsAsACopyOfTheToolsPen) {
  TDrawLineTool tool(nullptr);
  tool.Pen()->SetColor(clBlue);
  auto* line = static_cast<TDrawLine*>(tool.Lines()->Add());
  EXPECT_FALSE(line->HasPen());
  EXPECT_EQ(line->Pen()->Color(), clBlue);
  EXPECT_TRUE(line->HasPen());
}

TEST_F(StandardToolsTest, RenamingAnAnnotationOutsideLoadingSetsItsText) {
  TChart chart(nullptr);
  auto* tool = TChartTools(chart).Add<TAnnotationTool>();
  tool->SetName(u"Note1");
  EXPECT_EQ(tool->Text(), u"Note1");

  TChart loaded(nullptr);
  ReadChartText(loaded,
                "object Chart1: TChart\n  object Note2: TAnnotationTool\n"
                "    Shape.Text = 'kept'\n  end\nend\n");
  ASSERT_EQ(loaded.Tools().size(), 1U);
  EXPECT_EQ(static_cast<TAnnotationTool*>(loaded.Tools()[0])->Text(), u"kept");
}

// A value that the constructor sets away from the table default is written
// whatever it is, so that setting it back to the table default survives
// reloading.
TEST_F(StandardToolsTest, ValuesSetBackToTheTableDefaultAreStillWritten) {
  const struct {
    const char* name;
    std::function<std::unique_ptr<TKelCustomTool>()> make;
    std::function<void(TKelCustomTool&)> reset;
    const char* line;
  } cases[] = {
      {"nearest brush style", [] { return std::make_unique<TNearestTool>(nullptr); },
       [](TKelCustomTool& t) { t.Brush()->SetStyle(bsSolid); }, "Brush.Style = bsSolid\n"},
      {"nearest pen style", [] { return std::make_unique<TNearestTool>(nullptr); },
       [](TKelCustomTool& t) { t.Pen()->SetStyle(psSolid); }, "Pen.Style = psSolid\n"},
      {"nearest pen colour", [] { return std::make_unique<TNearestTool>(nullptr); },
       [](TKelCustomTool& t) { t.Pen()->SetColor(clBlack); }, "Pen.Color = clBlack\n"},
      {"rotate pen mode", [] { return std::make_unique<TRotateTool>(nullptr); },
       [](TKelCustomTool& t) { t.Pen()->SetMode(pmCopy); }, "Pen.Mode = pmCopy\n"},
      {"rotate pen colour", [] { return std::make_unique<TRotateTool>(nullptr); },
       [](TKelCustomTool& t) { t.Pen()->SetColor(clBlack); }, "Pen.Color = clBlack\n"},
      {"chart image pen shown", [] { return std::make_unique<TChartImageTool>(nullptr); },
       [](TKelCustomTool& t) { t.Pen()->SetVisible(true); }, "Pen.Visible = True\n"},
      {"rectangle transparency", [] { return std::make_unique<TRectangleTool>(nullptr); },
       [](TKelCustomTool& t) { static_cast<TAnnotationTool&>(t).Shape()->SetTransparency(0); },
       "Shape.Transparency = 0\n"},
      {"repaint monitor colour", [] { return std::make_unique<TRepaintMonitor>(nullptr); },
       [](TKelCustomTool& t) { static_cast<TAnnotationTool&>(t).Shape()->SetColor(clWhite); },
       "Shape.Color = clWhite\n"},
      {"rectangle shadow size", [] { return std::make_unique<TRectangleTool>(nullptr); },
       [](TKelCustomTool& t) { static_cast<TAnnotationTool&>(t).Shape()->Shadow()->SetSize(3); },
       "Shape.Shadow.HorizSize = 3\nShape.Shadow.VertSize = 3\n"},
      {"rectangle emboss size", [] { return std::make_unique<TRectangleTool>(nullptr); },
       [](TKelCustomTool& t) { static_cast<TAnnotationTool&>(t).Shape()->Emboss()->SetSize(3); },
       "Shape.Emboss.HorizSize = 3\nShape.Emboss.VertSize = 3\n"},
      {"repaint monitor shadow shown", [] { return std::make_unique<TRepaintMonitor>(nullptr); },
       [](TKelCustomTool& t) {
         static_cast<TAnnotationTool&>(t).Shape()->Shadow()->SetVisible(true);
       },
       "Shape.Shadow.Visible = True\n"},
      {"repaint monitor font colour", [] { return std::make_unique<TRepaintMonitor>(nullptr); },
       [](TKelCustomTool& t) {
         static_cast<TAnnotationTool&>(t).Shape()->Font()->SetColor(clBlack);
       },
       "Shape.Font.Color = clBlack\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto tool = c.make();
    c.reset(*tool);
    const std::string text = PropertiesText(*tool);
    EXPECT_NE(text.find(c.line), std::string::npos) << text;
    test::ExpectRoundTrip(c.make, text);
  }
}

TEST_F(StandardToolsTest, EachStandardToolDescribesItself) {
  const struct {
    const char16_t* className;
    const char16_t* description;
  } cases[] = {
      {u"TCursorTool", u"Cursor"},
      {u"TDragMarksTool", u"Drag Marks"},
      {u"TAxisArrowTool", u"Axis Arrows"},
      {u"TDrawLineTool", u"Draw Line"},
      {u"TNearestTool", u"Nearest Point"},
      {u"TColorBandTool", u"Color Band"},
      {u"TColorLineTool", u"Color Line"},
      {u"TRotateTool", u"Rotate"},
      {u"TChartImageTool", u"Image"},
      {u"TMarksTipTool", u"Mark Tips"},
      {u"TAnnotationTool", u"Annotation"},
      {u"TGridBandTool", u"Grid Band"},
      {u"TAxisScrollTool", u"Axis Scroll"},
      {u"TRectangleTool", u"Rectangle"},
      {u"TClipSeriesTool", u"Clip Series"},
      {u"TFullScreenTool", u"Full Screen"},
      {u"TRepaintMonitor", u"Repaint Monitor"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.className));
    const TClassInfo* info = GetClass(c.className);
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TComponent> tool(info->CreateComponent(nullptr));
    const auto* described = dynamic_cast<TKelCustomTool*>(tool.get());
    ASSERT_NE(described, nullptr);
    EXPECT_EQ(described->Description(), c.description);
    EXPECT_FALSE(described->LongDescription().empty());
  }
}

class MarksTipDelaysTest : public StandardToolsTest {};

TEST_F(MarksTipDelaysTest, DelaysGoWhereTheRecordsSystemHintsSendsThem) {
  const struct {
    const char* name;
    const char* entries;
    int32_t toolMouse, toolHide;
    THostHintDelays host;
    const char* written;
  } cases[] = {
      {"own delays before SystemHints = False",
       "    HideDelay = 100\n    MouseDelay = 200\n    SystemHints = False\n",
       200,
       100,
       {500, 2500},
       "    HideDelay = 100\n    MouseDelay = 200\n    SystemHints = False\n"},
      {"host delays", "    HideDelay = 300\n", 500, 300, {500, 300}, "    HideDelay = 300\n"},
      {"no delays without hints",
       "    SystemHints = False\n",
       0,
       0,
       {500, 2500},
       "    HideDelay = 0\n    MouseDelay = 0\n    SystemHints = False\n"},
      {"none", "", 500, 2500, {500, 2500}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = std::string("object Chart1: TChart\n  object Tip1: TMarksTipTool\n") +
                             c.entries + "  end\nend\n";
    TChart chart(nullptr);
    EXPECT_TRUE(ReadChartText(chart, text).empty());
    ASSERT_EQ(chart.Tools().size(), 1U);
    const auto* tool = static_cast<TMarksTipTool*>(chart.Tools()[0]);
    EXPECT_EQ(tool->MouseDelay(), c.toolMouse);
    EXPECT_EQ(tool->HideDelay(), c.toolHide);
    EXPECT_EQ(chart.HostHintDelays.MouseDelay, c.host.MouseDelay);
    EXPECT_EQ(chart.HostHintDelays.HideDelay, c.host.HideDelay);
    const std::string children = ChildrenText(chart);
    EXPECT_NE(children.find(std::string("  object Tip1: TMarksTipTool\n") + "    Format."),
              std::string::npos);
    const std::string fromFormat = children.substr(children.find("    Format.Visible = False\n") +
                                                   sizeof("    Format.Visible = False\n") - 1);
    EXPECT_EQ(fromFormat, std::string(c.written) + "  end\n");
  }
}

TEST_F(MarksTipDelaysTest, HostDelaysBelongToTheirChartAndStartAgainWhenItIsCleared) {
  TChart first(nullptr);
  ReadChartText(first,
                "object Chart1: TChart\n  object Tip1: TMarksTipTool\n    MouseDelay = 50\n"
                "  end\n  object Tip2: TMarksTipTool\n  end\nend\n");
  EXPECT_EQ(static_cast<TMarksTipTool*>(first.Tools()[1])->MouseDelay(), 50);

  TChart second(nullptr);
  auto* other = TChartTools(second).Add<TMarksTipTool>();
  EXPECT_EQ(other->MouseDelay(), TMarksTipTool::kDefaultMouseDelay);
  first.ClearChart();
  EXPECT_EQ(first.HostHintDelays.MouseDelay, TMarksTipTool::kDefaultMouseDelay);
}

TEST_F(MarksTipDelaysTest, ConvertedOutputReloadsAsItself) {
  TChart chart(nullptr);
  ReadChartText(chart,
                "object Chart1: TChart\n  object Tip1: TMarksTipTool\n    HideDelay = 100\n"
                "    MouseDelay = 200\n    SystemHints = False\n  end\n"
                "  object Tip2: TMarksTipTool\n    MouseDelay = 700\n  end\nend\n");
  const std::string converted = ChartText(chart);
  TChart reloaded(nullptr);
  ReadChartText(reloaded, converted);
  EXPECT_EQ(ChartText(reloaded), converted);
}

}  // namespace
}  // namespace kel
