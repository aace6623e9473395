// The axes' behaviour outside reading: the standard axes, the chart's axis
// list, the setters' checks and side effects, SetMinMax, Assign and the
// custom axes and sub-axes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "model/attributes/Shadow.h"
#include "model/axes/AxisBackShape.h"
#include "model/axes/AxisGridPen.h"
#include "model/axes/ChartAxis.h"
#include "model/axes/ChartAxisTitle.h"
#include "tests/model/axes/AxisTestChart.h"

namespace kel::test {
namespace {

TEST(ChartAxisTest, StandardAxesDifferAsMade) {
  TAxisTestChart chart;
  struct Expected {
    TChartAxis* axis;
    const char16_t* id;
    bool horizontal, otherSide, visible, depth;
    double zPosition, gridZ;
  };
  const Expected expected[] = {
      {chart.BottomAxis(), u"Bottom", true, false, true, false, 0, 0},
      {chart.TopAxis(), u"Top", true, true, true, false, 100, 100},
      {chart.LeftAxis(), u"Left", false, false, true, false, 0, 0},
      {chart.RightAxis(), u"Right", false, true, true, false, 100, 100},
      {chart.DepthAxis(), u"Depth", false, true, false, true, 0, 0},
      {chart.DepthTopAxis(), u"DepthTop", false, false, false, true, 0, 0},
  };
  ASSERT_EQ(chart.Axes().Count(), 6);
  for (int i = 0; i < 6; ++i) {
    const Expected& e = expected[i];
    SCOPED_TRACE(testing::Message() << "axis " << i);
    EXPECT_EQ(chart.Axes().Items(i), e.axis);
    EXPECT_EQ(e.axis->AxisID(), e.id);
    EXPECT_EQ(e.axis->Horizontal(), e.horizontal);
    EXPECT_EQ(e.axis->OtherSide(), e.otherSide);
    EXPECT_EQ(e.axis->Visible(), e.visible);
    EXPECT_EQ(e.axis->IsDepthAxis(), e.depth);
    EXPECT_EQ(e.axis->ZPosition(), e.zPosition);
    EXPECT_EQ(e.axis->Grid()->ZPosition(), e.gridZ);
    EXPECT_EQ(e.axis->Grid()->IDefaultZ, e.gridZ);
    EXPECT_FALSE(e.axis->IsCustom());
    EXPECT_EQ(e.axis->Master(), nullptr);
  }
  EXPECT_EQ(chart.CustomAxes()->Count(), 0);
  EXPECT_TRUE(chart.DepthAxis()->LabelsAsSeriesTitles());
}

TEST(ChartAxisTest, TitleAngleDependsOnTheAxis) {
  TAxisTestChart chart;
  EXPECT_EQ(chart.LeftAxis()->Title()->Angle(), 90);
  EXPECT_EQ(chart.RightAxis()->Title()->Angle(), 270);
  EXPECT_EQ(chart.BottomAxis()->Title()->Angle(), 0);
  EXPECT_EQ(chart.DepthAxis()->Title()->Angle(), 0);
  TChartAxisTitle* title = chart.LeftAxis()->Title();
  EXPECT_EQ(title->TextAlignment(), taCenter);
  EXPECT_EQ(title->IDefaultTextAlign, taLeftJustify);
  EXPECT_TRUE(title->Transparent());
  title->SetAngle(-450);
  EXPECT_EQ(title->Angle(), -90);
}

TEST(ChartAxisTest, BackShapeStartsHiddenWithoutShadow) {
  TAxisTestChart chart;
  TAxisBackShape* shape = chart.LeftAxis()->Shape();
  EXPECT_FALSE(shape->Visible());
  EXPECT_FALSE(shape->DefaultVisible);
  EXPECT_FALSE(shape->Shadow()->Visible());
  EXPECT_FALSE(shape->Shadow()->DefaultVisible);
  EXPECT_TRUE(shape->Draw3D());
}

TEST(ChartAxisTest, CustomAxesJoinTheAxisListAndLeaveIt) {
  TAxisTestChart chart;
  TChartAxis* first = chart.CustomAxes()->Add();
  TChartAxis* second = chart.CustomAxes()->Add();
  ASSERT_EQ(chart.Axes().Count(), 8);
  EXPECT_EQ(chart.Axes().Items(6), first);
  EXPECT_EQ(chart.Axes().Items(7), second);
  EXPECT_TRUE(first->IsCustom());
  EXPECT_EQ(first->ParentChart(), &chart);
  chart.CustomAxes()->Delete(0);
  ASSERT_EQ(chart.Axes().Count(), 7);
  EXPECT_EQ(chart.Axes().Items(6), second);
}

TEST(ChartAxisTest, SubAxesFollowTheirMaster) {
  TAxisTestChart chart;
  TChartAxis* sub = chart.TopAxis()->SubAxes()->Add();
  EXPECT_EQ(chart.Axes().Count(), 6);
  EXPECT_EQ(sub->Master(), chart.TopAxis());
  EXPECT_EQ(sub->ParentChart(), &chart);
  EXPECT_TRUE(sub->IsCustom());
  EXPECT_TRUE(sub->Horizontal());
  EXPECT_TRUE(sub->OtherSide());
  EXPECT_FALSE(sub->Grid()->Visible());

  sub->SetInverted(true);
  EXPECT_TRUE(chart.TopAxis()->Inverted());
  sub->SetLogarithmic(true);
  EXPECT_TRUE(chart.TopAxis()->Logarithmic());
}

TEST(ChartAxisTest, ItemsReadIntoACollectionStartFromTheConstructionValues) {
  TAxisTestChart chart;
  TChartAxis* sub = static_cast<TChartAxis*>(chart.TopAxis()->SubAxes()->TCollection::Add());
  EXPECT_FALSE(sub->Horizontal());
  EXPECT_FALSE(sub->OtherSide());
  EXPECT_TRUE(sub->Grid()->Visible());
}

TEST(ChartAxisTest, DepthAxesTurnTogether) {
  TAxisTestChart chart;
  chart.DepthTopAxis()->SetInverted(true);
  EXPECT_TRUE(chart.DepthAxis()->Inverted());
  chart.DepthAxis()->SetInverted(false);
  EXPECT_FALSE(chart.DepthTopAxis()->Inverted());
  chart.LeftAxis()->SetInverted(true);
  EXPECT_FALSE(chart.RightAxis()->Inverted());
}

TEST(ChartAxisTest, AutomaticFlagsFollowEachOther) {
  TAxisTestChart chart;
  TChartAxis& axis = *chart.LeftAxis();
  axis.SetAutomatic(false);
  EXPECT_FALSE(axis.AutomaticMinimum());
  EXPECT_FALSE(axis.AutomaticMaximum());
  axis.SetAutomaticMaximum(true);
  EXPECT_FALSE(axis.Automatic());
  axis.SetAutomaticMinimum(true);
  EXPECT_TRUE(axis.Automatic());
  axis.SetAutomaticMinimum(false);
  EXPECT_FALSE(axis.Automatic());
  EXPECT_TRUE(axis.AutomaticMaximum());
  axis.SetAutomatic(true);
  EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(ChartAxisTest, SetMinMaxFixesOrderedBounds) {
  struct Case {
    double maximum, minimum, expectedMinimum, expectedMaximum;
  };
  const Case cases[] = {
      {5, 2, 2, 5},
      {2, 5, 2, 5},
      {3, 3, 3, 3 + 1e-10},
      {-1, -1 + 1e-12, -1, -1 + 1e-10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.maximum << ", " << c.minimum);
    TAxisTestChart chart;
    TChartAxis* sub = chart.LeftAxis()->SubAxes()->Add();
    chart.LeftAxis()->SetMinMax(c.maximum, c.minimum);
    for (TChartAxis* axis : {chart.LeftAxis(), sub}) {
      EXPECT_FALSE(axis->Automatic());
      EXPECT_FALSE(axis->AutomaticMinimum());
      EXPECT_FALSE(axis->AutomaticMaximum());
      EXPECT_EQ(axis->Minimum(), c.expectedMinimum);
      EXPECT_EQ(axis->Maximum(), c.expectedMaximum);
    }
  }
}

TEST(ChartAxisTest, SetMinMaxWritesBothBounds) {
  TAxisTestChart chart;
  chart.BottomAxis()->SetMinMax(10, -2);
  EXPECT_EQ(ChartLines(chart),
            "BottomAxis.Automatic = False\nBottomAxis.AutomaticMaximum = False\n"
            "BottomAxis.AutomaticMinimum = False\nBottomAxis.Maximum = 10.000000000000000000\n"
            "BottomAxis.Minimum = -2.000000000000000000\n");
}

TEST(ChartAxisTest, SettersRefuseBadValues) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    std::function<void(TChartAxis&)> set;
    const char* message;
  };
  const Case cases[] = {
      {"maximum below minimum", [](TChartAxis& a) { a.SetMaximum(-1); },
       "Axis Maximum Value must be >= Minimum"},
      {"minimum above maximum", [](TChartAxis& a) { a.SetMinimum(1); },
       "Axis Minimum Value must be <= Maximum"},
      {"negative increment", [](TChartAxis& a) { a.SetIncrement(-0.5); },
       "Axis increment must be >= 0"},
      {"increment not a number", [=](TChartAxis& a) { a.SetIncrement(kNaN); },
       "Axis increment must be >= 0"},
      {"logarithmic base 1", [](TChartAxis& a) { a.SetLogarithmicBase(1); },
       "Axis Logarithmic Base should be <> 1 and > 0"},
      {"logarithmic base 0", [](TChartAxis& a) { a.SetLogarithmicBase(0); },
       "Axis Logarithmic Base should be <> 1 and > 0"},
      {"negative logarithmic base", [](TChartAxis& a) { a.SetLogarithmicBase(-2); },
       "Axis Logarithmic Base should be <> 1 and > 0"},
      {"logarithmic base not a number", [=](TChartAxis& a) { a.SetLogarithmicBase(kNaN); },
       "Axis Logarithmic Base should be <> 1 and > 0"},
      {"negative labels separation", [](TChartAxis& a) { a.SetLabelsSeparation(-1); },
       "Labels Separation % must be greater than 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAxisTestChart chart;
    TChartAxis& axis = *chart.LeftAxis();
    try {
      c.set(axis);
      ADD_FAILURE() << "no error";
    } catch (const EAxisError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    // Nothing changed, so nothing is written.
    EXPECT_EQ(ChartLines(chart), "");
  }
}

TEST(ChartAxisTest, LogarithmicNeedsNonNegativeBounds) {
  struct Case {
    const char* name;
    std::optional<std::pair<double, double>> seriesBounds;
    bool fixed;
    double minimum, maximum;
    bool accepted;
  };
  const Case cases[] = {
      {"no series", std::nullopt, false, 0, 0, true},
      {"series above 0", std::make_pair(0.0, 8.0), false, 0, 0, true},
      {"series below 0", std::make_pair(-3.0, 8.0), false, 0, 0, false},
      {"fixed bounds below 0, series ignored", std::make_pair(1.0, 8.0), true, -1, 5, false},
      {"fixed bounds above 0, series ignored", std::make_pair(-3.0, 8.0), true, 1, 5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAxisTestChart chart;
    chart.Bounds = c.seriesBounds;
    TChartAxis& axis = *chart.LeftAxis();
    if (c.fixed) axis.SetMinMax(c.maximum, c.minimum);
    if (c.accepted) {
      axis.SetLogarithmic(true);
      EXPECT_TRUE(axis.Logarithmic());
    } else {
      try {
        axis.SetLogarithmic(true);
        ADD_FAILURE() << "no error";
      } catch (const EAxisError& e) {
        EXPECT_EQ(e.Message(), "Logarithmic Axis Min and Max values should be >= 0");
      }
      EXPECT_FALSE(axis.Logarithmic());
      axis.SetLogarithmic(false);  // switching off needs no check
    }
  }
}

TEST(ChartAxisTest, ZPositionNeverHoldsZero) {
  TAxisTestChart chart;
  chart.LeftAxis()->SetZPosition(0);
  EXPECT_EQ(chart.LeftAxis()->ZPosition(), 0.01);
  chart.LeftAxis()->SetZPosition(-4);
  EXPECT_EQ(chart.LeftAxis()->ZPosition(), -4);
}

TEST(ChartAxisTest, ChangesRepaintTheChart) {
  TAxisTestChart chart;
  const int before = chart.Invalidated;
  chart.LeftAxis()->SetTickLength(6);
  chart.LeftAxis()->Grid()->SetColor(clRed);
  EXPECT_EQ(chart.Invalidated, before + 2);
  chart.LeftAxis()->SetTickLength(6);
  EXPECT_EQ(chart.Invalidated, before + 2);
}

TEST(ChartAxisTest, AssignCopiesTheAxisAsAWhole) {
  TAxisTestChart source;
  const char* lines =
      "LeftAxis.Automatic = False\nLeftAxis.AutomaticMaximum = False\n"
      "LeftAxis.AutomaticMinimum = False\nLeftAxis.Axis.Color = clRed\n"
      "LeftAxis.AxisValuesFormat = '0.0'\nLeftAxis.Grid.DrawEvery = 3\n"
      "LeftAxis.GridCentered = True\nLeftAxis.Increment = 2\nLeftAxis.Inverted = True\n"
      "LeftAxis.LabelsAngle = 45\nLeftAxis.LabelsFormat.Font.Color = clBlue\n"
      "LeftAxis.Maximum = 9\nLeftAxis.Minimum = 1\nLeftAxis.Title.Caption = 'Money'\n"
      "LeftAxis.Shape.Visible = True\nLeftAxis.SubAxes = <\n  item\n    Horizontal = True\n"
      "    OtherSide = False\n  end>\nLeftAxis.Visible = False";
  LoadChart(source, lines);
  TAxisTestChart copy;
  copy.LeftAxis()->Assign(source.LeftAxis());
  EXPECT_EQ(ChartLines(copy), ChartLines(source));

  // Assigning a fresh axis brings everything back, as clearing a chart does.
  TAxisTestChart fresh;
  copy.LeftAxis()->Assign(fresh.LeftAxis());
  EXPECT_EQ(ChartLines(copy), "");
}

TEST(ChartAxisTest, CustomAxesAreCopiedWithTheirItems) {
  TAxisTestChart source;
  TChartAxis* custom = source.CustomAxes()->Add();
  custom->SetHorizontal(true);
  custom->SubAxes()->Add()->SetTickLength(7);
  TAxisTestChart copy;
  copy.CustomAxes()->Assign(source.CustomAxes());
  EXPECT_EQ(ChartLines(copy), ChartLines(source));
  EXPECT_EQ(copy.Axes().Count(), 7);
}

TEST(ChartAxisTest, FreedAxisIsNoLongerAPartner) {
  TAxisTestChart chart;
  TChartAxis* custom = chart.CustomAxes()->Add();
  chart.LeftAxis()->SetPartnerAxis(custom);
  TChartAxis* sub = chart.RightAxis()->SubAxes()->Add();
  sub->SetPartnerAxis(custom);
  chart.CustomAxes()->Delete(0);
  EXPECT_EQ(chart.LeftAxis()->PartnerAxis(), nullptr);
  EXPECT_EQ(sub->PartnerAxis(), nullptr);
}

TEST(ChartAxisTest, CustomLabelsAreKeptButNotWritten) {
  TAxisTestChart chart;
  chart.LeftAxis()->Items().Add(5, u"five");
  EXPECT_EQ(ChartLines(chart), "");
  TAxisTestChart copy;
  copy.LeftAxis()->Assign(chart.LeftAxis());
  ASSERT_EQ(copy.LeftAxis()->Items().Count(), 1);
  EXPECT_EQ(copy.LeftAxis()->Items().Items(0).Text, u"five");
  copy.LeftAxis()->Items().Clear();
  EXPECT_EQ(copy.LeftAxis()->Items().Count(), 0);
}

}  // namespace
}  // namespace kel::test
