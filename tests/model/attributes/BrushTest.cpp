#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/attributes/Brush.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Picture.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

struct BrushCase {
  const char* name;
  TColor rememberedColor;
  std::function<void(TKelBrush&)> change;
  const char* expected;
};

TEST(BrushTest, WriteRules) {
  const BrushCase cases[] = {
      {"fresh brush, gradient and image created by writing", clDefault, [](TKelBrush&) {}, ""},
      {"every property changed", clDefault,
       [](TKelBrush& b) {
         b.SetColor(clRed);
         b.SetStyle(bsCross);
         b.SetBackColor(clBlue);
         b.Gradient()->SetVisible(true);
       },
       "Color = clRed\n"
       "Style = bsCross\n"
       "BackColor = clBlue\n"
       "Gradient.Visible = True\n"},
      {"white is never written", clDefault, [](TKelBrush& b) { b.SetColor(clWhite); }, ""},
      {"remembered colour", clRed, [](TKelBrush&) {}, ""},
      {"white against a remembered colour", clRed, [](TKelBrush& b) { b.SetColor(clWhite); }, ""},
      {"another colour against a remembered colour", clRed,
       [](TKelBrush& b) { b.SetColor(clBlack); }, "Color = clBlack\n"},
      {"the default colour against a remembered colour", clRed,
       [](TKelBrush& b) { b.SetColor(clDefault); }, "Color = clDefault\n"},
  };
  for (const BrushCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto make = [&] {
      auto brush = std::make_unique<TKelBrush>();
      brush->AssignDefaultColor(c.rememberedColor);
      return brush;
    };
    auto brush = make();
    c.change(*brush);
    const std::string written = PropertiesText(*brush);
    EXPECT_EQ(written, c.expected);
    ExpectRoundTrip(make, written);
  }
}

TEST(BrushTest, WhiteAgainstARememberedColourReloadsAsTheRememberedColour) {
  TKelBrush brush;
  brush.AssignDefaultColor(clRed);
  brush.SetColor(clWhite);
  TKelBrush reloaded;
  reloaded.AssignDefaultColor(clRed);
  LoadProperties(reloaded, PropertiesText(brush));
  EXPECT_EQ(reloaded.Color(), clRed);
}

TEST(BrushTest, StartsWithTheDefaultColourAndNoBackColour) {
  TKelBrush brush;
  EXPECT_EQ(brush.Color(), clDefault);
  EXPECT_EQ(brush.DefaultColor, clDefault);
  EXPECT_EQ(brush.BackColor(), clNone);
  EXPECT_EQ(brush.Style(), bsSolid);
  EXPECT_FALSE(brush.HasGradient());
  EXPECT_FALSE(brush.HasImage());
}

TEST(BrushTest, AssignDefaultColorDoesNotNotify) {
  int changes = 0;
  TKelBrush brush([&] { ++changes; });
  brush.AssignDefaultColor(clRed);
  EXPECT_EQ(changes, 0);
  brush.SetColor(clBlue);
  EXPECT_EQ(changes, 1);
}

TEST(BrushTest, ClearDropsImageAndGradient) {
  TKelBrush brush;
  brush.Gradient()->SetVisible(true);
  brush.Image();
  brush.Clear();
  EXPECT_EQ(brush.Style(), bsClear);
  EXPECT_FALSE(brush.HasGradient());
  EXPECT_FALSE(brush.HasImage());
}

TEST(BrushTest, SettingNothingFreesAndSettingACopyCopies) {
  TKelBrush brush;
  TKelGradient gradient;
  gradient.SetAngle(30);
  brush.SetGradient(&gradient);
  EXPECT_EQ(brush.Gradient()->Angle(), 30);
  EXPECT_NE(brush.Gradient(), &gradient);
  brush.SetGradient(nullptr);
  EXPECT_FALSE(brush.HasGradient());
  brush.Image();
  brush.SetImage(nullptr);
  EXPECT_FALSE(brush.HasImage());
}

TEST(BrushTest, AssignCopiesValuesAndDropsTheGradientTheSourceLacks) {
  TKelBrush source;
  source.SetColor(clRed);
  source.SetStyle(bsHorizontal);
  source.SetBackColor(clYellow);
  TKelBrush copy;
  copy.Gradient()->SetVisible(true);
  copy.Assign(&source);
  EXPECT_FALSE(copy.HasGradient());
  EXPECT_EQ(PropertiesText(copy), "Color = clRed\nStyle = bsHorizontal\nBackColor = clYellow\n");
}

}  // namespace
}  // namespace kel
