#include "model/axes/AxisLabelsFormat.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

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
        .StoredUnlessEqual(&F::DefaultTransparent),
    Property(u"Visible", &F::Visible, &F::SetVisible)
        .Default(true)
        .StoredUnlessEqual(&F::DefaultVisible),
    Property(u"ClipText", &F::ClipText, &F::SetClipText).Default(true),
    Property(u"Cursor", &F::Cursor, &F::SetCursor).Default(crDefault),
    Property(u"Margins", &F::Margins, &F::SetMargins),
    Property(u"TextAlignment", &F::TextAlignment, &F::SetTextAlignment)
        .Default(taCenter)
        .StoredUnlessEqual(&F::IDefaultTextAlign),
    Property(u"TextFormat", &F::TextFormat, &F::SetTextFormat).Default(ttfNormal),
    Property(u"VertTextAlign", &F::VertTextAlign, &F::SetVertTextAlign).Default(vtaCenter))

TAxisLabelsFormat::TAxisLabelsFormat(TCustomKelPanel* parent) : TCustomTextShape(parent) {
  // The plain setter: the alignment written against stays taLeftJustify.
  SetTextAlignment(taCenter);
  PrepareTransparent(true);
}

}  // namespace kel
