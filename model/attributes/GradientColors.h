// The colours of a gradient, with their offsets.
#pragma once

#include "model/attributes/Transparency.h"
#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TKelGradientColor : public TCollectionItem {
  KEL_CLASS(TKelGradientColor, TCollectionItem)

 public:
  explicit TKelGradientColor(TCollection* collection) : TCollectionItem(collection) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  double Offset() const { return FOffset; }
  void SetOffset(double value);
  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value);

  void Assign(const TPersistent* source) override;

 private:
  TColor FColor = clBlack;
  double FOffset = 0;
  TKelTransparency FTransparency = 0;
};

// The colours of a gradient, kept sorted by offset by Add.
class TKelGradientColors : public TOwnedCollection {
  KEL_CLASS(TKelGradientColors, TOwnedCollection)

 public:
  TKelGradientColors(TPersistent* owner, TNotifyEvent onChange);

  // Item index, after appending empty items (colour 0, offset 0,
  // transparency 0) until it exists.
  TKelGradientColor& Item(int index);
  // Adds a colour at offset (clamped to 0..1) after every item whose offset
  // is not greater, so the list stays sorted.
  TKelGradientColor& Add(TColor color, TKelTransparency transparency, double offset);
  // Two items without notifying: start at offset 0 and end at offset 1.
  void Reset(TColor startColor, TColor endColor);

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TNotifyEvent FOnChange;
};

}  // namespace kel
