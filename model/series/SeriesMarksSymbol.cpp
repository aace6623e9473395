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
KEL_PROPERTIES(
    TSeriesMarksSymbol,
    Property(u"Bevel", &Y::Bevel, &Y::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &Y::BevelWidth, &Y::SetBevelWidth).Default(2),
    Property(u"Brush", &Y::Brush, &Y::SetBrush),
    Property(u"Children", &Y::Children, &Y::SetChildren).Stored(&Y::IsChildrenStored),
    Property(u"ChildLayout", &Y::ChildLayout, &Y::SetChildLayout).Default(slTopBottom),
    Property(u"Emboss", &Y::Emboss, &Y::SetEmboss),
    Property(u"Frame", &Y::Pen, &Y::SetPen),
    Property(u"Gradient", &Y::Gradient, &Y::SetGradient).Stored(false),
    Property(u"Pen", &Y::Pen, &Y::SetPen),
    Property(u"Picture", &Y::Picture, &Y::SetPicture).Stored(&Y::HasPicture),
    Property(u"Shadow", &Y::Shadow, &Y::SetShadow),
    Property(u"ShapeCallout", &Y::ShapeCallout, &Y::SetShapeCallout),
    Property(u"ShapeStyle", &Y::ShapeStyle, &Y::SetShapeStyle).Default(fosRectangle),
    Property(u"Transparency", &Y::Transparency, &Y::SetTransparency).Default(0),
    Property(u"Visible", &Y::Visible, &Y::SetVisible).NoDefault().Stored(&Y::IsVisibleStored))

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
