#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/tools/AnnotationTool.h"
#include "model/tools/ChartTools.h"
#include "model/tools/ColorBandTool.h"
#include "model/tools/ColorLineTool.h"
#include "model/tools/CursorTool.h"
#include "persist/Unicode.h"
#include "tests/model/tools/ToolChartText.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

using test::ChartText;
using test::ChildrenText;
using test::ReadChartText;

// The nested annotation of a colour line: centred, without shadow, shown.
constexpr const char* kLineAnnotation =
    "      object TAnnotationTool\n"
    "        Shape.Alignment = taCenter\n"
    "        Shape.Shadow.Visible = False\n"
    "        Shape.TextAlignment = taCenter\n"
    "        TextAlignment = taCenter\n"
    "      end\n";

// A band's start line as a new band writes it, with entries after
// DragRepaint.
std::string BandLine(const std::string& after = "") {
  return "    object TColorLineTool\n"
         "      Active = False\n"
         "      DragRepaint = True\n" +
         after + kLineAnnotation + "    end\n";
}

std::vector<std::u16string> ToolNames(const TCustomChart& chart) {
  std::vector<std::u16string> names;
  for (const TComponent* tool : chart.Tools()) names.push_back(tool->Name());
  return names;
}

class SubToolsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }
};

TEST_F(SubToolsTest, ACursorToolWritesItsAnnotationAsAnUnnamedNestedObject) {
  TChart chart(nullptr);
  TChartTools(chart).Add<TCursorTool>()->SetName(u"Cursor1");
  EXPECT_EQ(ChildrenText(chart),
            "  object Cursor1: TCursorTool\n"
            "    object TAnnotationTool\n"
            "      Shape.Alignment = taCenter\n"
            "      Shape.Shadow.Visible = False\n"
            "      Shape.TextAlignment = taCenter\n"
            "      Shape.Visible = False\n"
            "      TextAlignment = taCenter\n"
            "    end\n"
            "  end\n");
}

TEST_F(SubToolsTest, AColourBandWritesItsTwoLinesAndReadsThemBackOutsideTools) {
  TChart chart(nullptr);
  auto* band = TChartTools(chart).Add<TColorBandTool>();
  band->SetName(u"Band1");
  band->StartValue = 2;
  band->EndValue = 5;
  band->EndLine()->SetActive(true);
  const std::string expected =
      "  object Band1: TColorBandTool\n"
      "    EndValue = 5.000000000000000000\n"
      "    ResizeEnd = True\n"
      "    ResizeStart = True\n"
      "    StartValue = 2.000000000000000000\n" +
      BandLine() +
      "    object TColorLineTool\n"
      "      DragRepaint = True\n" +
      kLineAnnotation + "    end\n  end\n";
  EXPECT_EQ(ChildrenText(chart), expected);

  TChart reloaded(nullptr);
  EXPECT_TRUE(ReadChartText(reloaded, ChartText(chart)).empty());
  ASSERT_EQ(ToolNames(reloaded), std::vector<std::u16string>{u"Band1"});
  auto* loaded = static_cast<TColorBandTool*>(reloaded.Tools()[0]);
  EXPECT_EQ(loaded->ComponentCount(), 0);
  EXPECT_FALSE(loaded->StartLine()->Active());
  EXPECT_TRUE(loaded->EndLine()->Active());
  EXPECT_EQ(loaded->StartLine()->Value, 2);
  EXPECT_EQ(loaded->EndLine()->Value, 5);
  EXPECT_EQ(loaded->StartLine()->ParentChart(), &reloaded);
  EXPECT_EQ(loaded->EndLine()->Annotation()->ParentChart(), &reloaded);
  // Loading moved the lines to the band's values; from then on the text is
  // a fixed point.
  const std::string converted =
      "  object Band1: TColorBandTool\n"
      "    EndValue = 5.000000000000000000\n"
      "    ResizeEnd = True\n"
      "    ResizeStart = True\n"
      "    StartValue = 2.000000000000000000\n" +
      BandLine("      Value = 2.000000000000000000\n") +
      "    object TColorLineTool\n"
      "      DragRepaint = True\n"
      "      Value = 5.000000000000000000\n" +
      kLineAnnotation + "    end\n  end\n";
  EXPECT_EQ(ChildrenText(reloaded), converted);
  TChart again(nullptr);
  ReadChartText(again, ChartText(reloaded));
  EXPECT_EQ(ChildrenText(again), converted);
}

TEST_F(SubToolsTest, EveryStandardToolReadsBackInOrderWithoutItsSubTools) {
  TChart chart(nullptr);
  EXPECT_TRUE(ReadChartText(chart, test::ReadFile(KEL_TEST_DATA "/tools_new.kel")).empty());
  std::vector<std::u16string> expected;
  for (int i = 1; i <= 17; ++i) {
    expected.push_back(u"ChartTool" + std::u16string(Utf8ToUtf16(std::to_string(i))));
  }
  EXPECT_EQ(ToolNames(chart), expected);
  for (const TComponent* tool : chart.Tools()) EXPECT_EQ(tool->ComponentCount(), 0);

  TChart again(nullptr);
  EXPECT_TRUE(ReadChartText(again, ChartText(chart)).empty());
  EXPECT_EQ(ToolNames(again), expected);
  EXPECT_EQ(ChartText(again), ChartText(chart));
}

TEST_F(SubToolsTest, ABandOnAnAxisGivesItsLinesTheAxisWithoutAttachingThem) {
  TChart chart(nullptr);
  TColorBandTool band(nullptr);
  band.LinkAxis(chart.LeftAxis());
  EXPECT_EQ(chart.Tools(), std::vector<TComponent*>{&band});
  EXPECT_EQ(band.StartLine()->Axis(), chart.LeftAxis());
  EXPECT_EQ(band.EndLine()->ParentChart(), &chart);
}

// Nested records that do not fit the owning tool: each reads without harm,
// no sub-tool joins Tools and the tool writes its own sub-tools again.
TEST_F(SubToolsTest, MisfitNestedObjectsNeverReachToolsNorBreakTheTool) {
  const std::string line = "    object TColorLineTool\n      Value = 3\n    end\n";
  const std::string annotation = "    object TAnnotationTool\n      Text = 'x'\n    end\n";
  const std::string series = "    object Inner: TLineSeries\n    end\n";
  const struct {
    const char* name;
    const char* toolClass;
    std::string nested;
  } cases[] = {
      {"cursor without annotation", "TCursorTool", ""},
      {"cursor with a line", "TCursorTool", line},
      {"cursor with a series first", "TCursorTool", series + annotation},
      {"cursor with two annotations", "TCursorTool", annotation + annotation},
      {"line with a band", "TColorLineTool", "    object TColorBandTool\n" + line + "    end\n"},
      {"band with one line", "TColorBandTool", line},
      {"band with an annotation first", "TColorBandTool", annotation + line},
      {"band with three lines", "TColorBandTool", line + line + line},
      {"band with an unknown class", "TColorBandTool", "    object TNoSuchTool\n    end\n" + line},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TChart chart(nullptr);
    ReadChartText(chart, std::string("object Chart1: TChart\n  object Tool1: ") + c.toolClass +
                             "\n" + c.nested +
                             "  end\n  object Tool2: TKelCustomTool\n  end\nend\n");
    EXPECT_EQ(ToolNames(chart), (std::vector<std::u16string>{u"Tool1", u"Tool2"}));
    EXPECT_TRUE(chart.SeriesList().Count() == 0);

    TChart again(nullptr);
    EXPECT_TRUE(ReadChartText(again, ChartText(chart)).empty());
    EXPECT_EQ(ChartText(again), ChartText(chart));
    EXPECT_EQ(ToolNames(again), (std::vector<std::u16string>{u"Tool1", u"Tool2"}));
  }
}

TEST_F(SubToolsTest, AssigningACursorCopiesOrDropsItsAnnotation) {
  TCursorTool source(nullptr);
  source.AxisAnnotation()->SetText(u"value");
  source.Style = cssScope;
  TCursorTool copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.Style, cssScope);
  EXPECT_EQ(copy.AxisAnnotation()->Text(), u"value");
  EXPECT_FALSE(copy.AxisAnnotation()->Shape()->Visible());

  TCursorTool plain(nullptr);
  copy.Assign(&plain);
  EXPECT_EQ(copy.AxisAnnotation()->Text(), u"");
}

}  // namespace
}  // namespace kel
