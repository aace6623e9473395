#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "model/attributes/View3DOptions.h"
#include "model/chart/KelPanel.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {
namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

TEST(View3DOptionsTest, FreshOptionsWriteNothing) {
  TView3DOptions options;
  EXPECT_EQ(options.Rotation(), 345);
  EXPECT_EQ(options.Elevation(), 345);
  EXPECT_EQ(options.Perspective(), 15);
  EXPECT_TRUE(options.Orthogonal());
  EXPECT_EQ(PropertiesText(options), "");
}

TEST(View3DOptionsTest, EveryPropertyInOrder) {
  TView3DOptions options;
  options.SetElevation(300);
  options.SetFontZoom(90);
  options.SetHorizOffset(-4);
  options.SetOrthoAngle(60);
  options.SetOrthogonal(false);
  options.SetPerspective(40);
  options.SetRotation(0);
  options.SetTilt(10);
  options.SetVertOffset(7);
  options.SetZoom(80);
  options.SetZoomText(ztAuto);
  const std::string expected =
      "Elevation = 300\n"
      "FontZoom = 90\n"
      "HorizOffset = -4\n"
      "OrthoAngle = 60\n"
      "Orthogonal = False\n"
      "Perspective = 40\n"
      "Rotation = 0\n"
      "Tilt = 10\n"
      "VertOffset = 7\n"
      "Zoom = 80\n"
      "ZoomText = ztAuto\n";
  EXPECT_EQ(PropertiesText(options), expected);
  ExpectRoundTrip([] { return std::make_unique<TView3DOptions>(); }, expected);
}

TEST(View3DOptionsTest, PerspectiveIsCappedAt100) {
  struct Case {
    int32_t loaded;
    int32_t kept;
  };
  const Case cases[] = {{150, 100}, {100, 100}, {99, 99}, {-5, -5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.loaded);
    TView3DOptions options;
    LoadProperties(options, "Perspective = " + std::to_string(c.loaded) + "\n");
    EXPECT_EQ(options.Perspective(), c.kept);
  }
}

TEST(View3DOptionsTest, RealValuesArePublishedRoundedHalvesToEven) {
  struct Case {
    double value;
    int32_t published;
  };
  const Case cases[] = {
      {2.5, 2},
      {3.5, 4},
      {-2.5, -2},
      {344.6, 345},
      {1e20, std::numeric_limits<int32_t>::max()},
      {-1e20, std::numeric_limits<int32_t>::min()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    TView3DOptions options;
    options.FRotation = c.value;
    EXPECT_EQ(options.Rotation(), c.published);
  }
  TView3DOptions options;
  options.FZoom = 100.4;
  EXPECT_EQ(PropertiesText(options), "");
}

TEST(View3DOptionsTest, ChangesInvalidateThePanel) {
  TCustomKelPanel panel(nullptr);
  TView3DOptions& options = *panel.View3DOptions();
  const int before = panel.InvalidateCount();
  options.SetPerspective(15);
  EXPECT_EQ(panel.InvalidateCount(), before);
  options.SetPerspective(150);
  options.SetRotation(10);
  EXPECT_EQ(panel.InvalidateCount(), before + 2);
}

TEST(View3DOptionsTest, AssignCopiesEverything) {
  TView3DOptions source;
  source.SetTilt(5);
  source.SetZoomText(ztNo);
  source.SetOrthogonal(false);
  TView3DOptions copy;
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), "Orthogonal = False\nTilt = 5\nZoomText = ztNo\n");
}

}  // namespace
}  // namespace kel
