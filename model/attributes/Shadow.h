// Shadows: an offset copy of the element in another colour.
#pragma once

#include <cstdint>

#include "model/attributes/Transparency.h"
#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TKelShadow : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TKelShadow, TPersistent)

 public:
  explicit TKelShadow(TNotifyEvent onChange = {});

  bool Clip() const { return FClip; }
  void SetClip(bool value) { SetAndNotify(FClip, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetAndNotify(FColor, value); }
  int32_t HorizSize() const { return FHorizSize; }
  void SetHorizSize(int32_t value) { SetAndNotify(FHorizSize, value); }
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool value) { SetAndNotify(FSmooth, value); }
  int32_t SmoothBlur() const { return FSmoothBlur; }
  void SetSmoothBlur(int32_t value) { SetAndNotify(FSmoothBlur, value); }
  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value) { SetAndNotify(FTransparency, value); }
  int32_t VertSize() const { return FVertSize; }
  void SetVertSize(int32_t value) { SetAndNotify(FVertSize, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndNotify(FVisible, value); }

  // The larger of |HorizSize| and |VertSize|; setting it sets both.
  int32_t Size() const;
  void SetSize(int32_t value);

  // Sets Visible, Color and both sizes with their remembered defaults,
  // without notifying.
  void AssignShadowDefaults(bool visible, TColor color, int32_t size);

  // Copies everything but Clip and the remembered defaults.
  void Assign(const TPersistent* source) override;

  TColor DefaultColor = clSilver;
  int32_t DefaultSize = 0;
  bool DefaultVisible = true;
  int32_t BlurSize = 4;

 protected:
  bool FClip = false;
  TColor FColor = clSilver;
  int32_t FHorizSize = 0;
  bool FSmooth = true;
  int32_t FSmoothBlur = 0;
  TKelTransparency FTransparency = 50;
  int32_t FVertSize = 0;
  bool FVisible = true;
};

}  // namespace kel
