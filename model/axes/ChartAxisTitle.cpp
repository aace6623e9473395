#include "model/axes/ChartAxisTitle.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

using T = TChartAxisTitle;

KEL_PROPERTIES(
    TChartAxisTitle,
    Property(u"Angle", &T::Angle, &T::SetAngle).NoDefault().StoredUnlessEqual(&T::IDefaultAngle),
    Property(u"Caption", &T::Caption, &T::SetCaption), Property(u"Font", &T::Font, &T::SetFont),
    Property(u"Position", &T::Position, &T::SetPosition).Default(tpCenter),
    Property(u"TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
        .Default(taCenter)
        .StoredUnlessEqual(&T::IDefaultTextAlign),
    Property(u"Visible", &T::Visible, &T::SetVisible)
        .Default(true)
        .StoredUnlessEqual(&T::DefaultVisible),
    Property(u"Bevel", &T::Bevel, &T::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(2),
    Property(u"Brush", &T::Brush, &T::SetBrush),
    Property(u"Children", &T::Children, &T::SetChildren).Stored(&T::IsChildrenStored),
    Property(u"ChildLayout", &T::ChildLayout, &T::SetChildLayout).Default(slTopBottom),
    Property(u"Color", &T::Color, &T::SetColor).Default(clWhite),
    Property(u"Gradient", &T::Gradient, &T::SetGradient).Stored(false),
    Property(u"Picture", &T::Picture, &T::SetPicture).Stored(&T::HasPicture),
    Property(u"Emboss", &T::Emboss, &T::SetEmboss), Property(u"Pen", &T::Pen, &T::SetPen),
    Property(u"RoundSize", &T::RoundSize, &T::SetRoundSize).Default(16),
    Property(u"Shadow", &T::Shadow, &T::SetShadow),
    Property(u"ShapeCallout", &T::ShapeCallout, &T::SetShapeCallout),
    Property(u"ShapeStyle", &T::ShapeStyle, &T::SetShapeStyle).Default(fosRectangle),
    Property(u"Transparency", &T::Transparency, &T::SetTransparency).Default(0),
    Property(u"Transparent", &T::Transparent, &T::SetTransparent)
        .Default(true)
        .StoredUnlessEqual(&T::DefaultTransparent))

TChartAxisTitle::TChartAxisTitle(TCustomKelPanel* parent, int32_t defaultAngle)
    : TCustomTextShape(parent), IDefaultAngle(defaultAngle) {
  // The plain setter: the alignment written against stays taLeftJustify.
  SetTextAlignment(taCenter);
  PrepareTransparent(true);
  TKelCustomShape::SetAngle(defaultAngle);
}

void TChartAxisTitle::SetAngle(int32_t value) {
  TKelCustomShape::SetAngle(value % 360);
}

std::u16string TChartAxisTitle::Caption() const {
  const std::u16string& text = Text();
  return text.substr(0, text.find(u'\r'));
}

void TChartAxisTitle::SetCaption(std::u16string value) {
  SetText(value);
}

void TChartAxisTitle::Assign(const TPersistent* source) {
  if (const auto* title = dynamic_cast<const TChartAxisTitle*>(source)) {
    FPosition = title->FPosition;
  }
  inherited::Assign(source);
}

}  // namespace kel
