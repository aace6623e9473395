#include <gtest/gtest.h>

#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/titles/LegendSymbol.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

TEST(LegendSymbolTest, NewSymbolWritesNothing) {
  TLegendSymbol symbol;
  EXPECT_EQ(PropertiesText(symbol, u"Symbol."), "");
  EXPECT_TRUE(symbol.Shadow()->Visible());
  EXPECT_EQ(symbol.Shadow()->Color(), clSilver);
  EXPECT_EQ(symbol.Shadow()->HorizSize(), 1);
  EXPECT_FALSE(symbol.Emboss()->Visible());
  EXPECT_EQ(symbol.Emboss()->VertSize(), 1);
}

TEST(LegendSymbolTest, EveryChangeIsWrittenInStreamOrder) {
  TLegendSymbol symbol;
  symbol.SetWidthUnits(lcsPixels);
  symbol.SetWidth(30);
  symbol.SetVisible(false);
  symbol.SetSquared(false);
  symbol.Shadow()->SetColor(clSilver);  // its remembered colour: not written
  symbol.Shadow()->SetHorizSize(2);
  symbol.SetPosition(spRight);
  symbol.Pen()->SetColor(clRed);
  symbol.SetHeightUnits(lcsPixels);
  symbol.SetHeight(50);
  symbol.Gradient()->SetVisible(true);
  symbol.Emboss()->SetVisible(true);
  symbol.SetDefaultPen(false);
  symbol.SetContinuous(true);
  const std::string expected =
      "Symbol.Continuous = True\n"
      "Symbol.DefaultPen = False\n"
      "Symbol.Emboss.Visible = True\n"
      "Symbol.Gradient.Visible = True\n"
      "Symbol.Height = 50\n"
      "Symbol.HeightUnits = lcsPixels\n"
      "Symbol.Pen.Color = clRed\n"
      "Symbol.Position = spRight\n"
      "Symbol.Shadow.HorizSize = 2\n"
      "Symbol.Squared = False\n"
      "Symbol.Visible = False\n"
      "Symbol.Width = 30\n"
      "Symbol.WidthUnits = lcsPixels\n";
  EXPECT_EQ(PropertiesText(symbol, u"Symbol."), expected);

  TLegendSymbol reread;
  LoadProperties(reread, PropertiesText(symbol));
  EXPECT_EQ(PropertiesText(reread, u"Symbol."), expected);
  TLegendSymbol copy;
  copy.Assign(&symbol);
  EXPECT_EQ(PropertiesText(copy, u"Symbol."), expected);
}

TEST(LegendSymbolTest, ShadowAndEmbossAreWrittenAgainstTheirSymbolDefaults) {
  TLegendSymbol symbol;
  // A shape's usual shadow (black, 3 by 3) differs from the symbol's.
  symbol.Shadow()->SetColor(clBlack);
  symbol.Shadow()->SetSize(3);
  symbol.Emboss()->SetColor(clSilver);
  EXPECT_EQ(PropertiesText(symbol),
            "Shadow.Color = clBlack\n"
            "Shadow.HorizSize = 3\n"
            "Shadow.VertSize = 3\n");
}

TEST(LegendSymbolTest, SettersRepaintOnlyOnChange) {
  int repaints = 0;
  TLegendSymbol symbol([&repaints] { ++repaints; });
  symbol.SetWidth(20);
  EXPECT_EQ(repaints, 0);
  symbol.SetWidth(25);
  symbol.Pen()->SetWidth(2);
  EXPECT_EQ(repaints, 2);
}

}  // namespace
}  // namespace kel
