#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "platform/Locale.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

// Keeps the process-wide font defaults as a test found them.
class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FontDefaultName = u"Arial";
    FontDefaultSize = 8;
  }
  void TearDown() override { SetUp(); }
};

TEST(MulDivTest, RoundsToTheNearestHalvesAwayFromZero) {
  struct Case {
    int32_t a, b, c, expected;
  };
  const Case cases[] = {
      {8, 96, 72, 11},         // 10.67
      {-11, 72, 96, -8},       // -8.25
      {-10, 72, 96, -8},       // -7.5
      {10, 72, 96, 8},         // 7.5
      {-13, 72, 96, -10},      // -9.75
      {9, 96, 72, 12},         // exact
      {1, 1, 0, -1},           // no divisor
      {0x7FFFFFFF, 4, 2, -1},  // beyond the range
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " * " << c.b << " / " << c.c);
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected);
  }
}

TEST_F(FontTest, StartsAtTheDefaultFaceAndSize) {
  TKelFont font;
  EXPECT_EQ(font.Name(), u"Arial");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.SizeFloat(), 8.0f);
  EXPECT_EQ(font.Color(), clBlack);
  EXPECT_EQ(font.Brush()->Color(), clBlack);
  EXPECT_EQ(font.Brush()->DefaultColor, clBlack);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.Quality(), fqDefault);
  EXPECT_EQ(font.PixelsPerInch(), 96);
}

TEST_F(FontTest, FreshFontWritesNothingThoughWritingCreatesItsSubObjects) {
  TKelFont font;
  EXPECT_EQ(PropertiesText(font), "");
  // Reading back the sub-objects still gives their initial look.
  EXPECT_FALSE(font.OutLine()->Visible());
  EXPECT_FALSE(font.Emboss()->Visible());
  EXPECT_TRUE(font.Shadow()->Visible());
}

TEST_F(FontTest, WriteRules) {
  struct Case {
    const char* name;
    std::function<void(TKelFont&)> setup;  // the owner's, right after construction
    std::function<void(TKelFont&)> change;
    const char* expected;
  };
  const auto none = [](TKelFont&) {};
  const Case cases[] = {
      {"every plain property", none,
       [](TKelFont& f) {
         f.SetCharset(ANSI_CHARSET);
         f.SetColor(clRed);
         f.SetSize(12);
         f.SetName(u"Verdana");
         f.SetOrientation(900);
         f.SetPitch(fpFixed);
         f.SetStyle({fsBold, fsItalic});
         f.SetQuality(fqClearType);
         f.SetDepth(2.5);
         f.SetInterCharSize(3);
       },
       "Charset = ANSI_CHARSET\n"
       "Color = clRed\n"
       "Height = -16\n"
       "Name = 'Verdana'\n"
       "Orientation = 900\n"
       "Pitch = fpFixed\n"
       "Style = [fsBold, fsItalic]\n"
       "Quality = fqClearType\n"
       "Depth = 2.500000000000000000\n"
       "InterCharSize = 3\n"},
      {"name differing only in case", none, [](TKelFont& f) { f.SetName(u"arial"); },
       "Name = 'arial'\n"},
      {"empty name", none, [](TKelFont& f) { f.SetName(u""); }, ""},
      {"remembered colour", [](TKelFont& f) { f.AssignDefaultColor(clWhite); }, none, ""},
      {"black against a remembered white", [](TKelFont& f) { f.AssignDefaultColor(clWhite); },
       [](TKelFont& f) { f.SetColor(clBlack); }, "Color = clBlack\n"},
      {"remembered style", [](TKelFont& f) { f.AssignDefaultStyle({fsBold}); }, none, ""},
      {"no style against a remembered bold", [](TKelFont& f) { f.AssignDefaultStyle({fsBold}); },
       [](TKelFont& f) { f.SetStyle({}); }, "Style = []\n"},
      {"sub-objects", none,
       [](TKelFont& f) {
         f.Brush()->SetColor(clBlue);
         f.Emboss()->SetVisible(true);
         f.OutLine()->SetVisible(true);
         f.Shadow()->SetHorizSize(2);
       },
       "Brush.Color = clBlue\n"
       "Emboss.Visible = True\n"
       "OutLine.Visible = True\n"
       "Shadow.HorizSize = 2\n"},
      {"gradient and picture only through the brush", none,
       [](TKelFont& f) {
         f.Gradient()->SetVisible(true);
         f.Picture();
       },
       "Brush.Gradient.Visible = True\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto make = [&] {
      auto font = std::make_unique<TKelFont>();
      c.setup(*font);
      return font;
    };
    auto font = make();
    c.change(*font);
    const std::string written = PropertiesText(*font);
    EXPECT_EQ(written, c.expected);
    ExpectRoundTrip(make, written);
  }
}

TEST_F(FontTest, HeightIsWrittenWhenItsPointSizeDiffersFromTheDefault) {
  struct Case {
    int32_t height;
    int32_t size;
    bool written;
  };
  const Case cases[] = {
      {-11, 8, false}, {-10, 8, false},                  // 7.5 points round to 8
      {-12, 9, true},  {-13, 10, true}, {11, -8, true},  // a cell height gives a negative size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    TKelFont font;
    LoadProperties(font, "Height = " + std::to_string(c.height) + "\n");
    EXPECT_EQ(font.Size(), c.size);
    EXPECT_EQ(PropertiesText(font), c.written ? "Height = " + std::to_string(c.height) + "\n" : "");
  }
}

TEST_F(FontTest, FractionalSizesTravelAsSizeFloat) {
  struct Case {
    float size;
    const char* expected;
  };
  const Case cases[] = {
      {8.5f, "SizeFloat = 8.500000000000000000\n"},
      {10.25f, "Height = -13\nSizeFloat = 10.250000000000000000\n"},
      {12.0f, "Height = -16\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    TKelFont font;
    font.SetSizeFloat(c.size);
    EXPECT_EQ(PropertiesText(font), c.expected);
    TKelFont reloaded;
    LoadProperties(reloaded, c.expected);
    EXPECT_EQ(reloaded.SizeFloat(), c.size);
  }
}

TEST_F(FontTest, SizeFloatIgnoresValuesNoSizeCanHold) {
  TKelFont font;
  font.SetSizeFloat(1.0e30f);
  font.SetSizeFloat(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(font.SizeFloat(), 8.0f);
}

TEST_F(FontTest, JapaneseSystemsUseTheGothicFaceAtNinePoints) {
  ApplyLocaleFontDefaults(FixedLocale(u'.', "en"));
  EXPECT_EQ(FontDefaultName, u"Arial");
  EXPECT_EQ(FontDefaultSize, 8);

  ApplyLocaleFontDefaults(FixedLocale(u'.', "ja"));
  EXPECT_EQ(FontDefaultName, kJapaneseGothicFaceName);
  EXPECT_EQ(FontDefaultSize, 9);
  TKelFont font;
  EXPECT_EQ(font.Size(), 9);
  EXPECT_EQ(font.Height(), -12);
  EXPECT_EQ(PropertiesText(font), "");
}

TEST_F(FontTest, AnotherDefaultFaceStaysOnJapaneseSystems) {
  FontDefaultName = u"Tahoma";
  ApplyLocaleFontDefaults(FixedLocale(u'.', "ja"));
  EXPECT_EQ(FontDefaultName, u"Tahoma");
}

TEST_F(FontTest, AssignCopiesTheChartPartsAndTheRuntimeFont) {
  TKelFont source;
  source.SetName(u"Courier New");
  source.SetSizeFloat(9.5f);
  source.SetColor(clNavy);
  source.SetStyle({fsUnderline});
  source.SetDepth(1);
  source.SetInterCharSize(2);
  source.SetQuality(fqBest);
  source.Brush()->SetColor(clRed);
  source.Shadow()->SetVisible(false);
  source.OutLine()->SetWidth(2);
  TKelFont copy;
  copy.Emboss()->SetVisible(true);
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));
  EXPECT_EQ(copy.SizeFloat(), 9.5f);
}

}  // namespace
}  // namespace kel
