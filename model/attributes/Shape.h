// The plain boxed shape, and the collection of child shapes that a shape
// holds.
#pragma once

#include <functional>
#include <memory>

#include "model/attributes/CustomShape.h"

namespace kel {

// A collection of shapes owned by a shape; each item holds one shape made by
// the collection's shape factory.
class TKelShapes : public TOwnedCollection {
  KEL_CLASS(TKelShapes, TOwnedCollection)

 public:
  using TShapeFactory = std::function<std::unique_ptr<TKelCustomShape>()>;

  // onChange repaints the owning shape after items come and go.
  TKelShapes(TPersistent* owner, TShapeFactory newShape, TNotifyEvent onChange);

  std::unique_ptr<TKelCustomShape> NewShape() const { return FNewShape(); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TShapeFactory FNewShape;
  TNotifyEvent FOnChange;
};

class TKelShapeItem : public TCollectionItem {
  KEL_CLASS(TKelShapeItem, TCollectionItem)

 public:
  // Makes the item's shape, transparent by default.
  explicit TKelShapeItem(TCollection* collection);
  ~TKelShapeItem() override;

  TKelCustomShape* Shape() const { return FShape.get(); }
  void SetShape(TKelCustomShape* value) { FShape->Assign(value); }

  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TKelCustomShape> FShape;
};

// A shape that publishes its box, font, shadow and children, but neither a
// brush nor a frame.
class TKelShape : public TKelCustomShape {
  KEL_CLASS(TKelShape, TKelCustomShape)

 public:
  explicit TKelShape(TCustomKelPanel* parent) : TKelCustomShape(parent) {}
};

}  // namespace kel
