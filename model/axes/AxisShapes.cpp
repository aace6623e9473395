#include "model/axes/AxisShapes.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

using T = TChartAxisTitle;

KEL_PROPERTIES(
    TChartAxisTitle,
    Property(u"Angle", &T::Angle, &T::SetAngle).NoDefault().Stored(&T::IsAngleStored),
    Property(u"Caption", &T::Caption, &T::SetCaption), Property(u"Font", &T::Font, &T::SetFont),
    Property(u"Position", &T::Position, &T::SetPosition).Default(tpCenter),
    Property(u"TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
        .Default(taCenter)
        .Stored(&T::IsTextAlignmentStored),
    Property(u"Visible", &T::Visible, &T::SetVisible).Default(true).Stored(&T::IsVisibleStored),
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
        .Stored(&T::IsTransparentStored))

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

using F = TAxisLabelsFormat;

KEL_PROPERTIES(
    TAxisLabelsFormat, Property(u"Bevel", &F::Bevel, &F::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &F::BevelWidth, &F::SetBevelWidth).Default(2),
    Property(u"Brush", &F::Brush, &F::SetBrush),
    Property(u"Children", &F::Children, &F::SetChildren).Stored(&F::IsChildrenStored),
    Property(u"ChildLayout", &F::ChildLayout, &F::SetChildLayout).Default(slTopBottom),
    Property(u"Emboss", &F::Emboss, &F::SetEmboss), Property(u"Font", &F::Font, &F::SetFont),
    Property(u"Frame", &F::Pen, &F::SetPen),
    Property(u"Gradient", &F::Gradient, &F::SetGradient).Stored(false),
    Property(u"Picture", &F::Picture, &F::SetPicture).Stored(&F::HasPicture),
    Property(u"RoundSize", &F::RoundSize, &F::SetRoundSize).Default(16),
    Property(u"Shadow", &F::Shadow, &F::SetShadow),
    Property(u"ShapeStyle", &F::ShapeStyle, &F::SetShapeStyle).Default(fosRectangle),
    Property(u"Transparency", &F::Transparency, &F::SetTransparency).Default(0),
    Property(u"Transparent", &F::Transparent, &F::SetTransparent)
        .NoDefault()
        .Stored(&F::IsTransparentStored),
    Property(u"Visible", &F::Visible, &F::SetVisible).Default(true).Stored(&F::IsVisibleStored),
    Property(u"ClipText", &F::ClipText, &F::SetClipText).Default(true),
    Property(u"Cursor", &F::Cursor, &F::SetCursor).Default(crDefault),
    Property(u"Margins", &F::Margins, &F::SetMargins),
    Property(u"TextAlignment", &F::TextAlignment, &F::SetTextAlignment)
        .Default(taCenter)
        .Stored(&F::IsTextAlignmentStored),
    Property(u"TextFormat", &F::TextFormat, &F::SetTextFormat).Default(ttfNormal),
    Property(u"VertTextAlign", &F::VertTextAlign, &F::SetVertTextAlign).Default(vtaCenter))

TAxisLabelsFormat::TAxisLabelsFormat(TCustomKelPanel* parent) : TCustomTextShape(parent) {
  // The plain setter: the alignment written against stays taLeftJustify.
  SetTextAlignment(taCenter);
  PrepareTransparent(true);
}

KEL_PROPERTIES(TAxisBackShape, Redeclared(u"Visible").Default(false),
               Property(u"Transparency", &TAxisBackShape::Transparency,
                        &TAxisBackShape::SetTransparency)
                   .Default(0))

TAxisBackShape::TAxisBackShape(TCustomKelPanel* parent) : TKelShape(parent) {
  FVisible = false;
  DefaultVisible = false;
  Shadow()->SetVisible(false);
  Shadow()->DefaultVisible = false;
  SetDraw3D(true);
}

}  // namespace kel
