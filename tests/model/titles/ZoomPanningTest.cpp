#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/titles/Panning.h"
#include "model/titles/Zoom.h"
#include "model/titles/ZoomPanning.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

TEST(PanningTest, NewPanningWritesNothing) {
  TKelPanning panning;
  EXPECT_EQ(PropertiesText(panning, u"Panning."), "");
}

TEST(PanningTest, ChangedValuesAreWrittenAndReadBack) {
  const std::string text = "InsideBounds = True\nMouseWheel = pmwNone\n";
  TKelPanning panning;
  LoadProperties(panning, text);
  EXPECT_EQ(PropertiesText(panning), text);
  TKelPanning copy;
  copy.Assign(&panning);
  EXPECT_EQ(PropertiesText(copy), text);
}

TEST(ZoomTest, NewZoomWritesNothingThoughWritingCreatesPenAndBrush) {
  TKelZoom zoom;
  EXPECT_EQ(PropertiesText(zoom, u"Zoom."), "");
  EXPECT_EQ(zoom.Pen()->Color(), clSilver);
  EXPECT_EQ(zoom.Pen()->Width(), 3);
  EXPECT_EQ(zoom.Pen()->EndStyle(), esFlat);
  EXPECT_EQ(zoom.Brush()->Color(), clWhite);
  EXPECT_EQ(zoom.Brush()->Style(), bsClear);
}

struct ZoomCase {
  const char* name;
  std::function<void(TKelZoom&)> change;
  std::string expected;
};

TEST(ZoomTest, EachPropertyHasItsWriteRule) {
  const ZoomCase cases[] = {
      {"allow off", [](TKelZoom& z) { z.FAllow = false; }, "Zoom.Allow = False\n"},
      {"animated", [](TKelZoom& z) { z.FAnimated = true; }, "Zoom.Animated = True\n"},
      {"steps", [](TKelZoom& z) { z.FAnimatedSteps = 4; }, "Zoom.AnimatedSteps = 4\n"},
      {"direction", [](TKelZoom& z) { z.FDirection = tzdHorizontal; },
       "Zoom.Direction = tzdHorizontal\n"},
      {"history", [](TKelZoom& z) { z.SetHistory(true); }, "Zoom.History = True\n"},
      {"aspect", [](TKelZoom& z) { z.FKeepAspect = true; }, "Zoom.KeepAspectRatio = True\n"},
      {"key shift",
       [](TKelZoom& z) {
         z.FKeyShift = {ssShift, ssCtrl};
       },
       "Zoom.KeyShift = [ssShift, ssCtrl]\n"},
      {"minimum pixels", [](TKelZoom& z) { z.FMinimumPixels = 0; }, "Zoom.MinimumPixels = 0\n"},
      {"mouse button", [](TKelZoom& z) { z.FMouseButton = mbRight; },
       "Zoom.MouseButton = mbRight\n"},
      {"wheel", [](TKelZoom& z) { z.FMouseWheel = pmwNormal; }, "Zoom.MouseWheel = pmwNormal\n"},
      {"up left", [](TKelZoom& z) { z.FUpLeftZooms = true; }, "Zoom.UpLeftZooms = True\n"},
      // The pen's colour has no table default: black differs from its silver.
      {"pen black", [](TKelZoom& z) { z.Pen()->SetColor(clBlack); }, "Zoom.Pen.Color = clBlack\n"},
      {"pen width 1", [](TKelZoom& z) { z.Pen()->SetWidth(1); }, "Zoom.Pen.Width = 1\n"},
      {"pen round ends", [](TKelZoom& z) { z.Pen()->SetEndStyle(esRound); },
       "Zoom.Pen.EndStyle = esRound\n"},
      {"brush red", [](TKelZoom& z) { z.Brush()->SetColor(clRed); }, "Zoom.Brush.Color = clRed\n"},
      {"brush solid", [](TKelZoom& z) { z.Brush()->SetStyle(bsSolid); },
       "Zoom.Brush.Style = bsSolid\n"},
  };
  for (const ZoomCase& c : cases) {
    SCOPED_TRACE(c.name);
    TKelZoom zoom;
    c.change(zoom);
    const std::string written = PropertiesText(zoom, u"Zoom.");
    EXPECT_EQ(written, c.expected);
    TKelZoom reread;
    LoadProperties(reread, PropertiesText(zoom));
    EXPECT_EQ(PropertiesText(reread, u"Zoom."), written);
  }
}

TEST(ZoomTest, AssignResetsSubObjectsTheSourceNeverMade) {
  TKelZoom changed;
  changed.Pen()->SetColor(clRed);
  changed.Brush()->SetStyle(bsSolid);
  changed.FAllow = false;
  TKelZoom fresh;
  changed.Assign(&fresh);
  EXPECT_EQ(PropertiesText(changed), "");

  TKelZoom copy;
  fresh.Pen()->SetWidth(5);
  copy.Assign(&fresh);
  EXPECT_EQ(PropertiesText(copy), "Pen.Width = 5\n");
}

}  // namespace
}  // namespace kel
