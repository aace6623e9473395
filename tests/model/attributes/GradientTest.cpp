#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "model/attributes/Gradient.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

struct Stop {
  TColor color;
  double offset;
  int transparency;
};

std::vector<Stop> Stops(TKelGradient& gradient) {
  std::vector<Stop> stops;
  TKelGradientColors& colors = *gradient.Colors();
  for (int i = 0; i < colors.Count(); ++i) {
    const TKelGradientColor& item = colors.Item(i);
    stops.push_back({item.Color(), item.Offset(), item.Transparency()});
  }
  return stops;
}

void ExpectStops(TKelGradient& gradient, const std::vector<Stop>& expected) {
  const std::vector<Stop> actual = Stops(gradient);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(actual[i].color, expected[i].color);
    EXPECT_EQ(actual[i].offset, expected[i].offset);
    EXPECT_EQ(actual[i].transparency, expected[i].transparency);
  }
}

TEST(GradientTest, FreshGradientWritesNothingAndCreatesNoList) {
  TKelGradient gradient;
  EXPECT_EQ(PropertiesText(gradient), "");
  EXPECT_FALSE(gradient.HasColors());
  EXPECT_FALSE(gradient.HasSubGradient());
  EXPECT_EQ(gradient.StartColor(), clWhite);
  EXPECT_EQ(gradient.EndColor(), clYellow);
  EXPECT_EQ(gradient.MidColor(), clNone);
}

TEST(GradientTest, ListIsCreatedFromTheRememberedColours) {
  TKelGradient gradient;
  gradient.IDefStart = clRed;
  gradient.IDefEnd = clBlue;
  ExpectStops(gradient, {{clRed, 0, 0}, {clBlue, 1, 0}});
}

TEST(GradientTest, LoadedEndColourIsWrittenAgainWithoutTheList) {
  TKelGradient gradient;
  LoadProperties(gradient, "EndColor = clRed\n");
  EXPECT_EQ(PropertiesText(gradient), "EndColor = clRed\n");

  LoadProperties(gradient, "MidColor = clBlue\n");
  ExpectStops(gradient, {{clWhite, 0, 0}, {clBlue, 0.5, 0}, {clRed, 1, 0}});
  EXPECT_EQ(gradient.IMidColor, clBlue);
  EXPECT_EQ(PropertiesText(gradient), "EndColor = clRed\nMidColor = clBlue\n");
}

TEST(GradientTest, MidColourNoneLeavesATwoColourListAlone) {
  int changes = 0;
  TKelGradient gradient([&] { ++changes; });
  gradient.Colors();
  LoadProperties(gradient, "MidColor = clNone\n");
  ExpectStops(gradient, {{clWhite, 0, 0}, {clYellow, 1, 0}});
  EXPECT_EQ(changes, 0);
}

TEST(GradientTest, MidColourNoneRemovesTheMiddleOfLongerLists) {
  TKelGradient gradient;
  gradient.SetMidColor(clGreen);
  gradient.SetMidColor(clNone);
  ExpectStops(gradient, {{clWhite, 0, 0}, {clYellow, 1, 0}});
}

TEST(GradientTest, MidColourReplacesAnExistingMiddle) {
  TKelGradient gradient;
  gradient.SetMidColor(clGreen);
  gradient.SetMidColor(clRed);
  ExpectStops(gradient, {{clWhite, 0, 0}, {clRed, 0.5, 0}, {clYellow, 1, 0}});
}

TEST(GradientTest, ColourListIsWrittenWhenItIsNotTheStandardLayout) {
  struct Case {
    const char* name;
    std::vector<Stop> stops;
    bool written;
  };
  const Case cases[] = {
      {"none", {}, true},
      {"one", {{clRed, 0, 0}}, true},
      {"two standard", {{clRed, 0, 0}, {clBlue, 1, 0}}, false},
      {"two, end moved", {{clRed, 0, 0}, {clBlue, 0.9, 0}}, true},
      {"two, start moved", {{clRed, 0.1, 0}, {clBlue, 1, 0}}, true},
      {"two, transparent end", {{clRed, 0, 0}, {clBlue, 1, 10}}, true},
      {"three standard", {{clRed, 0, 0}, {clLime, 0.5, 0}, {clBlue, 1, 0}}, false},
      {"three, middle moved", {{clRed, 0, 0}, {clLime, 0.4, 0}, {clBlue, 1, 0}}, true},
      {"three, transparent start", {{clRed, 0, 5}, {clLime, 0.5, 0}, {clBlue, 1, 0}}, true},
      {"four", {{clRed, 0, 0}, {clLime, 0.3, 0}, {clAqua, 0.6, 0}, {clBlue, 1, 0}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TKelGradient gradient;
    TKelGradientColors& colors = *gradient.Colors();
    colors.Clear();
    for (size_t i = 0; i < c.stops.size(); ++i) {
      TKelGradientColor& item = colors.Item(static_cast<int>(i));
      item.SetColor(c.stops[i].color);
      item.SetOffset(c.stops[i].offset);
      item.SetTransparency(static_cast<TKelTransparency>(c.stops[i].transparency));
    }
    EXPECT_EQ(gradient.IsColorsStored(), c.written);
  }
}

TEST(GradientTest, ColourListGolden) {
  const auto make = [] { return std::make_unique<TKelGradient>(); };
  TKelGradient gradient;
  gradient.Colors()->Add(clRed, 20, 0.25);
  // Items by offset: white 0, red 0.25, yellow 1. Start and end are the
  // remembered colours; the middle is red.
  const std::string expected =
      "Colors = <\n"
      "  item\n"
      "    Color = clWhite\n"
      "  end\n"
      "  item\n"
      "    Color = clRed\n"
      "    Offset = 0.250000000000000000\n"
      "    Transparency = 20\n"
      "  end\n"
      "  item\n"
      "    Color = clYellow\n"
      "    Offset = 1.000000000000000000\n"
      "  end>\n"
      "MidColor = clRed\n";
  EXPECT_EQ(PropertiesText(gradient), expected);
  ExpectRoundTrip(make, expected);
}

TEST(GradientTest, EmptiedListIsWrittenAsAnEmptyCollection) {
  TKelGradient gradient;
  gradient.Colors()->Clear();
  EXPECT_EQ(gradient.StartColor(), clNone);
  EXPECT_EQ(gradient.EndColor(), clNone);
  EXPECT_EQ(gradient.MidColor(), clNone);
  EXPECT_EQ(PropertiesText(gradient),
            "Colors = <>\n"
            "EndColor = clNone\n"
            "StartColor = clNone\n");
}

TEST(GradientTest, AddClampsTheOffsetAndKeepsTheListSorted) {
  struct Case {
    const char* name;
    double offset;
    int expectedIndex;
    double expectedOffset;
  };
  const Case cases[] = {
      {"below 0", -1, 1, 0},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), 1, 0},
      {"above 1", 2, 2, 1},
      {"equal to the start goes after it", 0, 1, 0},
      {"equal to the end goes after it", 1, 2, 1},
      {"between", 0.5, 1, 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TKelGradient gradient;
    TKelGradientColors& colors = *gradient.Colors();
    TKelGradientColor& added = colors.Add(clRed, 30, c.offset);
    EXPECT_EQ(added.Index(), c.expectedIndex);
    EXPECT_EQ(added.Offset(), c.expectedOffset);
    EXPECT_EQ(added.Transparency(), 30);
    EXPECT_EQ(colors.Count(), 3);
  }
}

TEST(GradientTest, IndexedAccessAppendsEmptyItems) {
  TKelGradient gradient;
  TKelGradientColors& colors = *gradient.Colors();
  colors.Item(3).SetColor(clRed);
  ASSERT_EQ(colors.Count(), 4);
  EXPECT_EQ(colors.Item(2).Color(), clBlack);
  EXPECT_EQ(colors.Item(2).Offset(), 0);
  EXPECT_EQ(colors.Item(2).Transparency(), 0);
  EXPECT_EQ(gradient.EndColor(), clRed);
}

TEST(GradientTest, StartColourAndEndColourSetTheirItems) {
  TKelGradient gradient;
  gradient.SetStartColor(clRed);
  gradient.SetEndColor(clBlue);
  ExpectStops(gradient, {{clRed, 0, 0}, {clBlue, 1, 0}});
  EXPECT_EQ(PropertiesText(gradient), "EndColor = clBlue\nStartColor = clRed\n");

  gradient.FStartIsEnd = true;
  gradient.SetEndColor(clGreen);
  ExpectStops(gradient, {{clGreen, 0, 0}, {clGreen, 1, 0}});
}

TEST(GradientTest, ColoursOnAnEmptiedListComeBackAsItems) {
  TKelGradient gradient;
  gradient.Colors()->Clear();
  gradient.SetEndColor(clBlue);
  ExpectStops(gradient, {{clBlue, 0, 0}});
  gradient.Colors()->Clear();
  gradient.SetMidColor(clRed);
  ExpectStops(gradient, {{clBlack, 0, 0}, {clRed, 0.5, 0}});
}

TEST(GradientTest, WriteRulesOfTheOtherProperties) {
  struct Case {
    const char* name;
    std::function<void(TKelGradient&)> setup;  // the owner's, right after construction
    std::function<void(TKelGradient&)> change;
    const char* expected;
  };
  const auto none = [](TKelGradient&) {};
  const Case cases[] = {
      {"plain values", none,
       [](TKelGradient& g) {
         g.SetAngle(45);
         g.SetBalance(30);
         g.SetDirection(gdRadial);
         g.SetRadialX(5);
         g.SetRadialY(-5);
         g.SetVisible(true);
       },
       "Angle = 45\n"
       "Balance = 30\n"
       "Direction = gdRadial\n"
       "RadialX = 5\n"
       "RadialY = -5\n"
       "Visible = True\n"},
      {"remembered direction", [](TKelGradient& g) { g.AssignDefaultDirection(gdLeftRight); }, none,
       ""},
      {"top-bottom against a remembered direction",
       [](TKelGradient& g) { g.AssignDefaultDirection(gdLeftRight); },
       [](TKelGradient& g) { g.SetDirection(gdTopBottom); }, "Direction = gdTopBottom\n"},
      {"hidden against a remembered visible",
       [](TKelGradient& g) {
         g.IDefVisible = true;
         g.SetVisible(true);
       },
       [](TKelGradient& g) { g.SetVisible(false); }, "Visible = False\n"},
      {"remembered colours",
       [](TKelGradient& g) {
         g.IDefStart = clRed;
         g.IDefEnd = clBlue;
       },
       [](TKelGradient& g) { g.Colors(); }, ""},
      {"sub-gradient", none,
       [](TKelGradient& g) {
         g.SubGradient()->SetTransparency(30);
         g.SubGradient()->SetVisible(true);
         g.SubGradient()->SetAngle(90);
       },
       "SubGradient.Angle = 90\n"
       "SubGradient.Transparency = 30\n"
       "SubGradient.Visible = True\n"},
      {"sub-gradient at its initial values", none, [](TKelGradient& g) { g.SubGradient(); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto make = [&] {
      auto gradient = std::make_unique<TKelGradient>();
      c.setup(*gradient);
      return gradient;
    };
    auto gradient = make();
    c.change(*gradient);
    const std::string written = PropertiesText(*gradient);
    EXPECT_EQ(written, c.expected);
    ExpectRoundTrip(make, written);
  }
}

TEST(GradientTest, SettingNothingFreesTheSubObjects) {
  TKelGradient gradient;
  gradient.SubGradient();
  gradient.Colors();
  gradient.SetSubGradient(nullptr);
  gradient.SetColors(nullptr);
  EXPECT_FALSE(gradient.HasSubGradient());
  EXPECT_FALSE(gradient.HasColors());
}

TEST(GradientTest, AssignCopiesTheListAndTheSubGradient) {
  TKelGradient source;
  source.SetDirection(gdRadial);
  source.SetMidColor(clRed);
  source.SubGradient()->SetTransparency(10);
  TKelGradient copy;
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));

  TKelGradient plain;
  copy.Assign(&plain);
  EXPECT_FALSE(copy.HasColors());
  EXPECT_FALSE(copy.HasSubGradient());
}

}  // namespace
}  // namespace kel
