#include "model/attributes/Shape.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Corners.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/ShapeCallout.h"

namespace kel {

KEL_PROPERTIES(TKelShapes)

TKelShapes::TKelShapes(TPersistent* owner, TShapeFactory newShape, TNotifyEvent onChange)
    : TOwnedCollection(owner, TKelShapeItem::StaticClassInfo()),
      FNewShape(std::move(newShape)),
      FOnChange(std::move(onChange)) {}

void TKelShapes::Update(TCollectionItem*) {
  if (FOnChange) FOnChange();
}

KEL_PROPERTIES(TKelShapeItem, Property(u"Shape", &TKelShapeItem::Shape, &TKelShapeItem::SetShape))

TKelShapeItem::TKelShapeItem(TCollection* collection) : TCollectionItem(collection) {
  const auto* shapes = dynamic_cast<const TKelShapes*>(collection);
  FShape = shapes != nullptr ? shapes->NewShape() : std::make_unique<TKelShape>(nullptr);
  FShape->PrepareTransparent(true);
}

TKelShapeItem::~TKelShapeItem() = default;

void TKelShapeItem::Assign(const TPersistent* source) {
  if (const auto* item = dynamic_cast<const TKelShapeItem*>(source)) {
    FShape->Assign(item->FShape.get());
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(
    TKelShape, Property(u"Angle", &TKelShape::Angle, &TKelShape::SetAngle).Default(0),
    Property(u"Bevel", &TKelShape::Bevel, &TKelShape::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &TKelShape::BevelWidth, &TKelShape::SetBevelWidth).Default(2),
    Property(u"Children", &TKelShape::Children, &TKelShape::SetChildren)
        .Stored(&TKelShape::IsChildrenStored),
    Property(u"ChildLayout", &TKelShape::ChildLayout, &TKelShape::SetChildLayout)
        .Default(slTopBottom),
    Property(u"Color", &TKelShape::Color, &TKelShape::SetColor).Default(clWhite),
    Property(u"Corners", &TKelShape::Corners, &TKelShape::SetCorners)
        .Stored(&TKelShape::HasCorners),
    Property(u"Emboss", &TKelShape::Emboss, &TKelShape::SetEmboss),
    Property(u"Font", &TKelShape::Font, &TKelShape::SetFont),
    Property(u"Gradient", &TKelShape::Gradient, &TKelShape::SetGradient).Stored(false),
    Property(u"Picture", &TKelShape::Picture, &TKelShape::SetPicture)
        .Stored(&TKelShape::HasPicture),
    Property(u"RoundSize", &TKelShape::RoundSize, &TKelShape::SetRoundSize).Default(16),
    Property(u"Shadow", &TKelShape::Shadow, &TKelShape::SetShadow),
    Property(u"ShapeCallout", &TKelShape::ShapeCallout, &TKelShape::SetShapeCallout),
    Property(u"ShapeStyle", &TKelShape::ShapeStyle, &TKelShape::SetShapeStyle)
        .Default(fosRectangle),
    Property(u"Transparent", &TKelShape::Transparent, &TKelShape::SetTransparent)
        .NoDefault()
        .StoredUnlessEqual(&TKelShape::DefaultTransparent),
    Property(u"Visible", &TKelShape::Visible, &TKelShape::SetVisible)
        .NoDefault()
        .StoredUnlessEqual(&TKelShape::DefaultVisible))

}  // namespace kel
