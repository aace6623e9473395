#include "model/titles/TextShape.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

using S = TTextShape;
KEL_PROPERTIES(
    TTextShape, Property(u"Alignment", &S::Alignment, &S::SetAlignment).Default(taLeftJustify),
    Property(u"Angle", &S::Angle, &S::SetAngle).Default(0),
    Property(u"Bevel", &S::Bevel, &S::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &S::BevelWidth, &S::SetBevelWidth).Default(2),
    Property(u"Brush", &S::Brush, &S::SetBrush),
    Property(u"Children", &S::Children, &S::SetChildren).Stored(&S::IsChildrenStored),
    Property(u"ChildLayout", &S::ChildLayout, &S::SetChildLayout).Default(slTopBottom),
    Property(u"ClipText", &S::ClipText, &S::SetClipText).Default(true),
    Property(u"Color", &S::Color, &S::SetColor).Default(clWhite),
    Property(u"Cursor", &S::Cursor, &S::SetCursor).Default(crDefault),
    Property(u"CustomPosition", &S::CustomPosition, &S::SetCustomPosition)
        .NoDefault()
        .StoredUnlessEqual(&S::DefaultCustom),
    Property(u"Emboss", &S::Emboss, &S::SetEmboss), Property(u"Font", &S::Font, &S::SetFont),
    Property(u"Frame", &S::Pen, &S::SetPen),
    Property(u"Gradient", &S::Gradient, &S::SetGradient).Stored(false),
    Property(u"Left", &S::Left, &S::SetLeft).NoDefault().Stored(&S::CustomPosition),
    Property(u"Margins", &S::Margins, &S::SetMargins),
    Property(u"Picture", &S::Picture, &S::SetPicture).Stored(&S::HasPicture),
    Property(u"Shadow", &S::Shadow, &S::SetShadow),
    Property(u"ShapeCallout", &S::ShapeCallout, &S::SetShapeCallout),
    Property(u"ShapeStyle", &S::ShapeStyle, &S::SetShapeStyle).Default(fosRectangle),
    Property(u"Text", &S::Text, &S::SetText),
    Property(u"TextAlignment", &S::TextAlignment, &S::SetTextAlignment)
        .NoDefault()
        .StoredUnlessEqual(&S::IDefaultTextAlign),
    Property(u"TextFormat", &S::TextFormat, &S::SetTextFormat).Default(ttfNormal),
    Property(u"Top", &S::Top, &S::SetTop).NoDefault().Stored(&S::CustomPosition),
    Property(u"Transparency", &S::Transparency, &S::SetTransparency).Default(0),
    Property(u"Transparent", &S::Transparent, &S::SetTransparent)
        .NoDefault()
        .StoredUnlessEqual(&S::DefaultTransparent),
    Property(u"VertTextAlign", &S::VertTextAlign, &S::SetVertTextAlign).Default(vtaCenter),
    Property(u"Visible", &S::Visible, &S::SetVisible)
        .NoDefault()
        .StoredUnlessEqual(&S::DefaultVisible))

}  // namespace kel
