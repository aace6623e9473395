#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/axes/ChartCustomAxes.h"
#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/standard/LineSeries.h"
#include "model/tools/ChartTools.h"
#include "model/tools/KelCustomToolAxis.h"
#include "model/tools/KelCustomToolSeries.h"
#include "persist/ClassRegistry.h"
#include "tests/model/tools/ToolChartText.h"

namespace kel {

// An animation that does nothing when played, to show the animation list.
class TTestAnimation : public TKelCustomAnimation {
  KEL_CLASS(TTestAnimation, TKelCustomAnimation)

 public:
  using TKelCustomAnimation::TKelCustomAnimation;
  void Play() override {}
};

KEL_PROPERTIES(TTestAnimation)

// A series tool that publishes its series, as the concrete ones do.
class TTestSeriesTool : public TKelCustomToolSeries {
  KEL_CLASS(TTestSeriesTool, TKelCustomToolSeries)

 public:
  using TKelCustomToolSeries::TKelCustomToolSeries;
};

KEL_PROPERTIES(TTestSeriesTool, Published({u"Active", u"Series"}))

namespace {

using test::ChildrenText;
using test::ReadChartText;

class KelCustomToolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterModelClasses();
    RegisterClasses({&TTestAnimation::StaticClassInfo(), &TTestSeriesTool::StaticClassInfo()});
  }
  static void TearDownTestSuite() {
    UnRegisterClasses({&TTestAnimation::StaticClassInfo(), &TTestSeriesTool::StaticClassInfo()});
  }
};

TEST_F(KelCustomToolTest, ToolsJoinTheListInOrderAndLeaveItWhenFreedOrMoved) {
  TChart chart(nullptr);
  TChart other(nullptr);
  TChartTools tools(chart);
  auto* first = tools.Add<TKelCustomTool>();
  auto* second = tools.Add<TKelCustomTool>();
  auto* third = tools.Add<TKelCustomTool>();
  EXPECT_EQ(chart.Tools(), (std::vector<TComponent*>{first, second, third}));
  EXPECT_EQ(first->Owner(), &chart);
  EXPECT_EQ(second->ParentChart(), &chart);

  delete second;
  EXPECT_EQ(chart.Tools(), (std::vector<TComponent*>{first, third}));
  first->AttachToChart(&other);
  EXPECT_EQ(chart.Tools(), (std::vector<TComponent*>{third}));
  EXPECT_EQ(other.Tools(), (std::vector<TComponent*>{first}));
  first->AttachToChart(nullptr);
  EXPECT_TRUE(other.Tools().empty());
  EXPECT_EQ(first->ParentChart(), nullptr);

  tools.Add(first);
  tools.SetActive(false);
  EXPECT_FALSE(first->Active());
  EXPECT_FALSE(third->Active());
  tools.Clear();
  EXPECT_EQ(tools.Count(), 0);
  EXPECT_EQ(chart.ComponentCount(), 0);
}

TEST_F(KelCustomToolTest, AnimationsKeepTheirOwnListAndAreWrittenAfterTheTools) {
  TChart chart(nullptr);
  TChartAnimations animations(chart);
  auto* animation = animations.Add(new TTestAnimation(&chart));
  auto* tool = TChartTools(chart).Add<TKelCustomTool>();
  tool->SetName(u"Tool1");
  animation->SetName(u"Animation1");
  EXPECT_EQ(animations.Count(), 1);
  EXPECT_EQ(animations.Get(0), animation);
  EXPECT_EQ(chart.Tools(), (std::vector<TComponent*>{tool}));
  EXPECT_EQ(ChildrenText(chart),
            "  object Tool1: TKelCustomTool\n"
            "  end\n"
            "  object Animation1: TTestAnimation\n"
            "  end\n");
  delete animation;
  EXPECT_EQ(animations.Count(), 0);
}

TEST_F(KelCustomToolTest, ToolsAreReadInStreamOrderAfterTheSeriesAndWrittenBack) {
  const std::string children =
      "  object Series1: TLineSeries\n"
      "  end\n"
      "  object B: TKelCustomTool\n"
      "    Tag = 7\n"
      "  end\n"
      "  object A: TKelCustomTool\n"
      "    ShowInEditor = False\n"
      "  end\n";
  TChart chart(nullptr);
  const auto warnings = ReadChartText(chart, "object Chart1: TChart\n" + children + "end\n");
  EXPECT_TRUE(warnings.empty());
  ASSERT_EQ(chart.Tools().size(), 2U);
  EXPECT_EQ(chart.Tools()[0]->Name(), u"B");
  EXPECT_EQ(chart.Tools()[0]->Tag(), 7);
  EXPECT_EQ(chart.Tools()[1]->Name(), u"A");
  EXPECT_EQ(ChildrenText(chart).substr(ChildrenText(chart).find("  object B")),
            children.substr(children.find("  object B")));
}

TEST_F(KelCustomToolTest, BadToolRecordsAreSkippedWithoutLosingTheirNeighbours) {
  TChart chart(nullptr);
  const auto warnings = ReadChartText(chart,
                                      "object Chart1: TChart\n"
                                      "  object A: TKelCustomTool\n"
                                      "  end\n"
                                      "  object X: TNoSuchTool\n"
                                      "    Tag = 1\n"
                                      "  end\n"
                                      "  object B: TTestSeriesTool\n"
                                      "    Series = Nowhere\n"
                                      "  end\n"
                                      "  object C: TKelCustomToolAxis\n"
                                      "    Axis = Chart1\n"
                                      "  end\n"
                                      "end\n");
  ASSERT_EQ(chart.Tools().size(), 3U);
  EXPECT_EQ(chart.Tools()[0]->Name(), u"A");
  EXPECT_EQ(chart.Tools()[1]->Name(), u"B");
  EXPECT_EQ(chart.Tools()[2]->Name(), u"C");
  EXPECT_EQ(static_cast<TKelCustomToolSeries*>(chart.Tools()[1])->Series(), nullptr);
  EXPECT_EQ(static_cast<TKelCustomToolAxis*>(chart.Tools()[2])->Axis(), nullptr);
  EXPECT_EQ(chart.Tools()[2]->Owner(), &chart);
  ASSERT_EQ(warnings.size(), 2U);
  EXPECT_EQ(warnings[0], "Class TNoSuchTool not found");
}

TEST_F(KelCustomToolTest, ASeriesLinkBecomesNoneWhenTheSeriesIsFreed) {
  TChart chart(nullptr);
  auto* series = new TLineSeries(&chart);
  series->SetParentChart(&chart);
  auto* tool = TChartTools(chart).Add<TKelCustomToolSeries>();
  auto* copy = TChartTools(chart).Add<TKelCustomToolSeries>();
  tool->LinkSeries(series);
  copy->Assign(tool);
  EXPECT_EQ(copy->Series(), series);
  delete series;
  EXPECT_EQ(tool->Series(), nullptr);
  EXPECT_EQ(copy->Series(), nullptr);
}

TEST_F(KelCustomToolTest, ASeriesReferenceToAnotherKindOfObjectIsRefused) {
  TChart chart(nullptr);
  const auto warnings = ReadChartText(chart,
                                      "object Chart1: TChart\n"
                                      "  object Other: TKelCustomTool\n"
                                      "  end\n"
                                      "  object Tool: TTestSeriesTool\n"
                                      "    Series = Other\n"
                                      "  end\n"
                                      "end\n");
  ASSERT_EQ(chart.Tools().size(), 2U);
  EXPECT_EQ(static_cast<TKelCustomToolSeries*>(chart.Tools()[1])->Series(), nullptr);
  EXPECT_EQ(warnings.size(), 1U);
}

TEST_F(KelCustomToolTest, WithoutASeriesTheToolUsesTheSideTheActiveSeriesUse) {
  TChart chart(nullptr);
  auto* tool = TChartTools(chart).Add<TKelCustomToolSeries>();
  EXPECT_EQ(tool->GetHorizAxis(), chart.BottomAxis());
  EXPECT_EQ(tool->GetVertAxis(), chart.LeftAxis());
  auto* series = new TLineSeries(&chart);
  series->SetParentChart(&chart);
  series->SetHorizAxis(aTopAxis);
  series->SetVertAxis(aRightAxis);
  EXPECT_EQ(tool->GetHorizAxis(), chart.TopAxis());
  EXPECT_EQ(tool->GetVertAxis(), chart.RightAxis());
  series->SetActive(false);
  EXPECT_EQ(tool->GetHorizAxis(), chart.BottomAxis());
  tool->LinkSeries(series);
  EXPECT_EQ(tool->GetHorizAxis(), chart.TopAxis());
  EXPECT_EQ(tool->GetVertAxis(), chart.RightAxis());
}

TEST_F(KelCustomToolTest, AnAxisToolWritesTheAxisPositionInTheChartsAxisList) {
  TChart chart(nullptr);
  TChartAxis* custom = chart.CustomAxes()->Add();
  const struct {
    const char* name;
    TChartAxis* axis;
    const char* lines;
  } cases[] = {
      {"left", chart.LeftAxis(), "    AxisID = 2\n"},
      {"depth top", chart.DepthTopAxis(), "    AxisID = 5\n"},
      {"first custom", custom, "    AxisID = 6\n"},
      {"none", nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto* tool = TChartTools(chart).Add<TKelCustomToolAxis>();
    tool->SetName(u"Tool1");
    tool->LinkAxis(c.axis);
    if (c.axis == nullptr) TChartTools(chart).Add(tool);
    EXPECT_EQ(ChildrenText(chart),
              std::string("  object Tool1: TKelCustomToolAxis\n") + c.lines + "  end\n");

    TChart reloaded(nullptr);
    reloaded.CustomAxes()->Add();
    EXPECT_TRUE(ReadChartText(reloaded, test::ChartText(chart)).empty());
    ASSERT_EQ(reloaded.Tools().size(), 1U);
    const int index = c.axis == nullptr ? -1 : chart.Axes().IndexOf(c.axis);
    EXPECT_EQ(static_cast<TKelCustomToolAxis*>(reloaded.Tools()[0])->Axis(),
              index < 0 ? nullptr : reloaded.Axes().Items(index));
    delete tool;
  }
}

TEST_F(KelCustomToolTest, LinkingAnAxisAttachesTheToolToTheAxisChart) {
  TChart chart(nullptr);
  TKelCustomToolAxis tool(nullptr);
  tool.LinkAxis(chart.RightAxis());
  EXPECT_EQ(tool.ParentChart(), &chart);
  EXPECT_EQ(chart.Tools(), (std::vector<TComponent*>{&tool}));
  tool.LinkAxis(nullptr);
  EXPECT_TRUE(chart.Tools().empty());
}

TEST_F(KelCustomToolTest, AnAxisPositionOutsideTheListFailsOnlyThatEntry) {
  const struct {
    const char* name;
    const char* record;
    const char* warning;
  } cases[] = {
      {"tool past the end", "  object T: TKelCustomToolAxis\n    AxisID = 6\n    Tag = 3\n  end\n",
       "Error reading T.AxisID: Argument out of range"},
      {"tool negative", "  object T: TKelCustomToolAxis\n    AxisID = -1\n    Tag = 3\n  end\n",
       "Error reading T.AxisID: Argument out of range"},
      {"series vertical axis",
       "  object S: TLineSeries\n    CustomVertAxis = 3\n    Tag = 3\n  end\n",
       "Error reading S.CustomVertAxis: Argument out of range"},
      {"series horizontal axis",
       "  object S: TLineSeries\n    CustomHorizAxis = 0\n    Tag = 3\n  end\n",
       "Error reading S.CustomHorizAxis: Argument out of range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TChart chart(nullptr);
    const auto warnings = ReadChartText(chart, std::string("object Chart1: TChart\n") + c.record +
                                                   "  object After: TKelCustomTool\n  end\nend\n");
    EXPECT_EQ(warnings, std::vector<std::string>{c.warning});
    ASSERT_EQ(chart.ComponentCount(), 2);
    EXPECT_EQ(chart.Components(0)->Tag(), 3);
    EXPECT_EQ(chart.Components(1)->Name(), u"After");
  }
}

}  // namespace
}  // namespace kel
