#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Corners.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "model/chart/KelPanel.h"
#include "persist/Exceptions.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

std::unique_ptr<TKelShape> MakeShape() {
  return std::make_unique<TKelShape>(nullptr);
}

TEST(ShapeTest, StartsWithItsConstructorValues) {
  TKelShape shape(nullptr);
  EXPECT_TRUE(shape.Visible());
  EXPECT_TRUE(shape.AutoSize());
  EXPECT_EQ(shape.BevelWidth(), 2);
  EXPECT_EQ(shape.Color(), clWhite);
  EXPECT_EQ(shape.RoundSize(), 16);
  EXPECT_EQ(shape.ShapeStyle(), fosRectangle);
  EXPECT_FALSE(shape.Transparent());
  EXPECT_EQ(shape.Alignment(), taLeftJustify);
  EXPECT_EQ(shape.Brush()->Color(), clDefault);
  const TKelShadow& shadow = *shape.Shadow();
  EXPECT_TRUE(shadow.Visible());
  EXPECT_EQ(shadow.Color(), clBlack);
  EXPECT_EQ(shadow.HorizSize(), 3);
  EXPECT_EQ(shadow.VertSize(), 3);
  const TKelEmboss& emboss = *shape.Emboss();
  EXPECT_FALSE(emboss.Visible());
  EXPECT_EQ(emboss.Color(), clBlack);
  EXPECT_EQ(emboss.HorizSize(), 3);
}

TEST(ShapeTest, FreshShapeWritesNothingAndCreatesNoCornersOrPicture) {
  TKelShape shape(nullptr);
  EXPECT_EQ(PropertiesText(shape), "");
  EXPECT_FALSE(shape.HasCorners());
  EXPECT_FALSE(shape.HasPicture());
  EXPECT_FALSE(shape.Brush()->HasGradient());
}

TEST(ShapeTest, WriteRules) {
  struct Case {
    const char* name;
    std::function<void(TKelShape&)> change;
    const char* expected;
  };
  const Case cases[] = {
      {"plain values",
       [](TKelShape& s) {
         s.SetAngle(90);
         s.SetBevel(bvRaised);
         s.SetBevelWidth(3);
         s.SetChildLayout(slLeftRight);
         s.SetColor(clRed);
         s.SetShapeStyle(fosEllipse);
         s.SetTransparent(true);
         s.SetVisible(false);
       },
       "Angle = 90\n"
       "Bevel = bvRaised\n"
       "BevelWidth = 3\n"
       "ChildLayout = slLeftRight\n"
       "Color = clRed\n"
       "ShapeStyle = fosEllipse\n"
       "Transparent = True\n"
       "Visible = False\n"},
      {"sub-objects",
       [](TKelShape& s) {
         s.Corners()->LeftTop()->SetStyle(cosBevel);
         s.Emboss()->SetVisible(true);
         s.Font()->SetColor(clBlue);
         s.Picture()->SetLeft(3);
         s.Shadow()->SetColor(clGray);
         s.ShapeCallout()->SetSide(csLeft);
       },
       "Corners.LeftTop.Style = cosBevel\n"
       "Emboss.Visible = True\n"
       "Font.Color = clBlue\n"
       "Picture.Left = 3\n"
       "Shadow.Color = clGray\n"
       "ShapeCallout.Side = csLeft\n"},
      {"every callout property",
       [](TKelShape& s) {
         TShapeCallout& c = *s.ShapeCallout();
         c.SetPointPosition(10);
         c.SetPosition(20);
         c.SetSide(csBottom);
         c.SetSize(30);
         c.SetWidth(40);
       },
       "ShapeCallout.PointPosition = 10\n"
       "ShapeCallout.Position = 20\n"
       "ShapeCallout.Side = csBottom\n"
       "ShapeCallout.Size = 30\n"
       "ShapeCallout.Width = 40\n"},
      {"every corner",
       [](TKelShape& s) {
         s.Corners()->LeftBottom()->SetStyle(cosNone);
         s.Corners()->RightBottom()->SetStyle(cosBevel);
         s.Corners()->RightTop()->SetStyle(cosNone);
       },
       "Corners.LeftBottom.Style = cosNone\n"
       "Corners.RightBottom.Style = cosBevel\n"
       "Corners.RightTop.Style = cosNone\n"},
      {"brush, pen and gradient are not published",
       [](TKelShape& s) {
         s.Brush()->SetColor(clRed);
         s.Pen()->SetColor(clRed);
         s.Gradient()->SetVisible(true);
       },
       ""},
      {"positive round size makes a rounded rectangle", [](TKelShape& s) { s.SetRoundSize(10); },
       "RoundSize = 10\n"
       "ShapeStyle = fosRoundRectangle\n"},
      {"zero round size keeps the style", [](TKelShape& s) { s.SetRoundSize(0); },
       "RoundSize = 0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto shape = MakeShape();
    c.change(*shape);
    const std::string written = PropertiesText(*shape);
    EXPECT_EQ(written, c.expected);
    ExpectRoundTrip(MakeShape, written);
  }
}

TEST(ShapeTest, RoundSizeIsReadBeforeShapeStyle) {
  struct Case {
    const char* loaded;
    TChartObjectShapeStyle style;
    const char* written;
  };
  const Case cases[] = {
      {"RoundSize = 10\n", fosRoundRectangle, "RoundSize = 10\nShapeStyle = fosRoundRectangle\n"},
      {"RoundSize = 10\nShapeStyle = fosEllipse\n", fosEllipse,
       "RoundSize = 10\nShapeStyle = fosEllipse\n"},
      {"RoundSize = -1\n", fosRectangle, "RoundSize = -1\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loaded);
    TKelShape shape(nullptr);
    LoadProperties(shape, c.loaded);
    EXPECT_EQ(shape.ShapeStyle(), c.style);
    EXPECT_EQ(PropertiesText(shape), c.written);
  }
}

TEST(ShapeTest, LegacyShadowEntriesAreReadIntoTheShadow) {
  struct Case {
    const char* loaded;
    const char* written;
  };
  const Case cases[] = {
      {"ShadowColor = clRed\nShadowSize = 5\n",
       "Shadow.Color = clRed\nShadow.HorizSize = 5\nShadow.VertSize = 5\n"},
      {"ShadowColor = 255\n", "Shadow.Color = clRed\n"},
      {"ShadowColor = clblack\n", ""},
      {"ShadowSize = 3\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loaded);
    TKelShape shape(nullptr);
    LoadProperties(shape, c.loaded);
    EXPECT_EQ(PropertiesText(shape), c.written);
  }
}

TEST(ShapeTest, UnknownShadowColourNameFailsTheRead) {
  TKelShape shape(nullptr);
  EXPECT_THROW(LoadProperties(shape, "ShadowColor = clNoSuchColour\n"), EReadError);
}

TEST(ShapeTest, ChildShapesAreTransparentItems) {
  TKelShape shape(nullptr);
  auto* item = static_cast<TKelShapeItem*>(shape.Children()->Add());
  ASSERT_NE(dynamic_cast<TKelShape*>(item->Shape()), nullptr);
  EXPECT_TRUE(item->Shape()->Transparent());
  EXPECT_TRUE(item->Shape()->DefaultTransparent);
  item->Shape()->SetColor(clRed);
  static_cast<TKelShapeItem*>(shape.Children()->Add())->Shape()->SetTransparent(false);
  const std::string expected =
      "Children = <\n"
      "  item\n"
      "    Shape.Color = clRed\n"
      "  end\n"
      "  item\n"
      "    Shape.Transparent = False\n"
      "  end>\n";
  EXPECT_EQ(PropertiesText(shape), expected);
  ExpectRoundTrip(MakeShape, expected);
}

// A shape whose children are of its own class.
class TNestingShape : public TKelShape {
 public:
  explicit TNestingShape(TCustomKelPanel* parent) : TKelShape(parent) {}
  TShapeClass ChildShapeClass() const override { return &NewShape<TNestingShape>; }
};

TEST(ShapeTest, ChildrenAreOfTheClassTheHookNames) {
  TNestingShape shape(nullptr);
  auto* item = static_cast<TKelShapeItem*>(shape.Children()->Add());
  EXPECT_NE(dynamic_cast<TNestingShape*>(item->Shape()), nullptr);
}

TEST(ShapeTest, SettingNothingFreesTheSubObjects) {
  TKelShape shape(nullptr);
  shape.Corners();
  shape.Picture();
  shape.Emboss()->SetVisible(true);
  shape.ShapeCallout()->SetSide(csTop);
  shape.SetCorners(nullptr);
  shape.SetPicture(nullptr);
  shape.SetEmboss(nullptr);
  shape.SetShapeCallout(nullptr);
  EXPECT_FALSE(shape.HasCorners());
  EXPECT_FALSE(shape.HasPicture());
  EXPECT_EQ(PropertiesText(shape), "");
}

TEST(ShapeTest, AssignCopiesEverythingWithoutTheRoundSizeSideEffect) {
  TKelShape source(nullptr);
  source.SetRoundSize(10);
  source.SetShapeStyle(fosRectangle);
  source.SetAlignment(taCenter);
  source.SetAutoSize(false);
  source.SetTransparency(40);
  source.SetBevel(bvLowered);
  source.Corners()->RightTop()->SetStyle(cosBevel);
  source.Font()->SetSize(14);
  source.Picture()->SetMode(pbmCenter);
  source.Emboss()->SetVisible(true);
  source.Shadow()->SetSize(6);
  source.ShapeCallout()->SetWidth(5);
  source.Children()->Add();
  source.Brush()->SetColor(clAqua);
  source.Pen()->SetWidth(3);
  source.SetVisible(false);

  TKelShape copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.RoundSize(), 10);
  EXPECT_EQ(copy.ShapeStyle(), fosRectangle);
  EXPECT_EQ(copy.Alignment(), taCenter);
  EXPECT_FALSE(copy.AutoSize());
  EXPECT_EQ(copy.Transparency(), 40);
  EXPECT_EQ(copy.Brush()->Color(), clAqua);
  EXPECT_EQ(copy.Pen()->Width(), 3);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));

  TKelShape plain(nullptr);
  copy.Assign(&plain);
  EXPECT_FALSE(copy.HasCorners());
  EXPECT_FALSE(copy.HasPicture());
  EXPECT_EQ(copy.Children()->Count(), 0);
}

TEST(ShapeTest, ChangesRepaintTheParentPanel) {
  TCustomKelPanel panel(nullptr);
  TKelShape shape(&panel);
  const int before = panel.InvalidateCount();
  shape.SetColor(clWhite);  // unchanged
  shape.Font()->SetSize(8);
  EXPECT_EQ(panel.InvalidateCount(), before);
  shape.SetVisible(false);
  shape.Pen()->SetWidth(2);
  shape.Font()->SetColor(clRed);
  shape.Corners()->LeftTop()->SetStyle(cosNone);
  shape.Picture()->SetTop(1);
  EXPECT_EQ(panel.InvalidateCount(), before + 5);
  static_cast<TKelShapeItem*>(shape.Children()->Add())->Shape()->SetColor(clRed);
  EXPECT_EQ(panel.InvalidateCount(), before + 7);
  EXPECT_EQ(static_cast<TKelShapeItem*>(shape.Children()->Items(0))->Shape()->Parent(), &panel);
}

TEST(ShapeTest, PrepareTransparentSetsTheRememberedDefault) {
  TKelShape shape(nullptr);
  shape.PrepareTransparent(true);
  EXPECT_EQ(PropertiesText(shape), "");
  shape.SetTransparent(false);
  EXPECT_EQ(PropertiesText(shape), "Transparent = False\n");
}

}  // namespace
}  // namespace kel
