#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/attributes/Emboss.h"
#include "model/attributes/Shadow.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::PropertiesText;

TEST(ShadowTest, StartsVisibleSilverAndFlat) {
  TKelShadow shadow;
  EXPECT_TRUE(shadow.Visible());
  EXPECT_EQ(shadow.Color(), clSilver);
  EXPECT_EQ(shadow.HorizSize(), 0);
  EXPECT_EQ(shadow.VertSize(), 0);
  EXPECT_TRUE(shadow.Smooth());
  EXPECT_EQ(shadow.Transparency(), 50);
  EXPECT_EQ(shadow.BlurSize, 4);
  TKelEmboss emboss;
  EXPECT_FALSE(emboss.Visible());
  EXPECT_FALSE(emboss.DefaultVisible);
}

TEST(ShadowTest, WriteRules) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<TKelShadow>()> make;
    std::function<void(TKelShadow&)> change;
    const char* expected;
  };
  const auto shadow = [] { return std::make_unique<TKelShadow>(); };
  const auto emboss = [] { return std::make_unique<TKelEmboss>(); };
  const auto shapeShadow = [] {
    auto s = std::make_unique<TKelShadow>();
    s->AssignShadowDefaults(true, clBlack, 3);
    return s;
  };
  const Case cases[] = {
      {"fresh shadow", shadow, [](TKelShadow&) {}, ""},
      {"fresh emboss", emboss, [](TKelShadow&) {}, ""},
      {"every property", shadow,
       [](TKelShadow& s) {
         s.SetClip(true);
         s.SetColor(clRed);
         s.SetHorizSize(2);
         s.SetSmooth(false);
         s.SetSmoothBlur(3);
         s.SetTransparency(60);
         s.SetVertSize(-2);
         s.SetVisible(false);
       },
       "Clip = True\n"
       "Color = clRed\n"
       "HorizSize = 2\n"
       "Smooth = False\n"
       "SmoothBlur = 3\n"
       "Transparency = 60\n"
       "VertSize = -2\n"
       "Visible = False\n"},
      {"emboss shown", emboss, [](TKelShadow& s) { s.SetVisible(true); }, "Visible = True\n"},
      {"remembered defaults", shapeShadow, [](TKelShadow&) {}, ""},
      {"values of a fresh shadow against remembered defaults", shapeShadow,
       [](TKelShadow& s) {
         s.SetColor(clSilver);
         s.SetSize(0);
       },
       "Color = clSilver\n"
       "HorizSize = 0\n"
       "VertSize = 0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto object = c.make();
    c.change(*object);
    const std::string written = PropertiesText(*object);
    EXPECT_EQ(written, c.expected);
    ExpectRoundTrip(c.make, written);
  }
}

TEST(ShadowTest, SizeIsTheLargerMagnitude) {
  TKelShadow shadow;
  shadow.SetHorizSize(-5);
  shadow.SetVertSize(3);
  EXPECT_EQ(shadow.Size(), 5);
  shadow.SetSize(4);
  EXPECT_EQ(shadow.HorizSize(), 4);
  EXPECT_EQ(shadow.VertSize(), 4);
}

TEST(ShadowTest, AssignShadowDefaultsDoesNotNotify) {
  int changes = 0;
  TKelShadow shadow([&] { ++changes; });
  shadow.AssignShadowDefaults(false, clBlack, 3);
  EXPECT_EQ(changes, 0);
  shadow.SetSize(3);
  EXPECT_EQ(changes, 0);
  shadow.SetSize(4);
  EXPECT_EQ(changes, 1);
}

TEST(ShadowTest, AssignCopiesNeitherClipNorTheRememberedDefaults) {
  TKelShadow source;
  source.AssignShadowDefaults(false, clBlack, 3);
  source.SetClip(true);
  source.SetSmooth(false);
  source.SetSmoothBlur(2);
  source.SetTransparency(10);
  TKelShadow copy;
  copy.Assign(&source);
  EXPECT_FALSE(copy.Clip());
  EXPECT_FALSE(copy.Visible());
  EXPECT_EQ(copy.Color(), clBlack);
  EXPECT_EQ(copy.HorizSize(), 3);
  EXPECT_EQ(copy.VertSize(), 3);
  EXPECT_FALSE(copy.Smooth());
  EXPECT_EQ(copy.SmoothBlur(), 2);
  EXPECT_EQ(copy.Transparency(), 10);
  EXPECT_TRUE(copy.DefaultVisible);
  EXPECT_EQ(copy.DefaultColor, clSilver);
  EXPECT_EQ(copy.DefaultSize, 0);
}

}  // namespace
}  // namespace kel
