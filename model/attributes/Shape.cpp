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

KEL_PROPERTIES(TKelShape,
               Published({
                   u"Angle",
                   u"Bevel",
                   u"BevelWidth",
                   u"Children",
                   u"ChildLayout",
                   u"Color",
               }),
               Property(u"Corners", &TKelShape::Corners, &TKelShape::SetCorners)
                   .Stored(&TKelShape::HasCorners),
               Published({
                   u"Emboss",
                   u"Font",
                   u"Gradient",
                   u"Picture",
                   u"RoundSize",
                   u"Shadow",
                   u"ShapeCallout",
                   u"ShapeStyle",
                   u"Transparent",
                   u"Visible",
               }))

}  // namespace kel
