#include "model/series/SeriesMarksSymbol.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

namespace {

constexpr int32_t kSymbolShadowSize = 1;

}  // namespace

using Y = TSeriesMarksSymbol;
KEL_PROPERTIES(TSeriesMarksSymbol,
               Published({u"Bevel", u"BevelWidth", u"Brush", u"Children", u"ChildLayout", u"Emboss",
                          u"Frame", u"Gradient", u"Pen", u"Picture", u"Shadow", u"ShapeCallout",
                          u"ShapeStyle", u"Transparency", u"Visible"}))

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomKelPanel* parent) : TKelCustomShape(parent) {
  FVisible = false;
  DefaultVisible = false;
  PrepareTransparent(false);
  TSeriesMarksSymbol::PrepareShadow(*Shadow());
}

void TSeriesMarksSymbol::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(shadow.Visible(), shadow.Color(), kSymbolShadowSize);
}

void TSeriesMarksSymbol::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(emboss.Visible(), emboss.Color(), kSymbolShadowSize);
}

}  // namespace kel
