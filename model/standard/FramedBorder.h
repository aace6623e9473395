// The optional frame around a pie: a shape with an emboss, a shadow and
// three brushes, from the inner to the outer ring.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/CustomShape.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Shadow.h"
#include "model/standard/FrameBrush.h"

namespace kel {

class TFramedBorder : public TKelCustomShapeBrushPen {
  KEL_CLASS(TFramedBorder, TKelCustomShapeBrushPen)

 public:
  explicit TFramedBorder(TCustomKelPanel* parent);
  ~TFramedBorder() override;

  bool FCircled = false;
  // The Circled value it is written against.
  bool DefaultCircled = false;
  int32_t FWidth = 10;

  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value) { FEmboss->Assign(value); }
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value) { FShadow->Assign(value); }
  TFrameBrush* InnerBrush() const { return FInnerBrush.get(); }
  void SetInnerBrush(TFrameBrush* value) { FInnerBrush->Assign(value); }
  TFrameBrush* MiddleBrush() const { return FMiddleBrush.get(); }
  void SetMiddleBrush(TFrameBrush* value) { FMiddleBrush->Assign(value); }
  TFrameBrush* OuterBrush() const { return FOuterBrush.get(); }
  void SetOuterBrush(TFrameBrush* value) { FOuterBrush->Assign(value); }

  void Assign(const TPersistent* source) override;
  // Reads and drops the former "ParentSeries" entry.
  void DefineProperties(TFiler& filer) override;

 private:
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelShadow> FShadow;
  std::unique_ptr<TFrameBrush> FInnerBrush;
  std::unique_ptr<TFrameBrush> FMiddleBrush;
  std::unique_ptr<TFrameBrush> FOuterBrush;
};

}  // namespace kel
