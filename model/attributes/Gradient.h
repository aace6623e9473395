// Gradients: a sorted list of colours with offsets, a direction and an
// optional sub-gradient drawn over the main one.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/GradientColors.h"
#include "model/attributes/Transparency.h"
#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

KEL_ENUM(TGradientDirection,
         gdTopBottom,
         gdBottomTop,
         gdLeftRight,
         gdRightLeft,
         gdFromCenter,
         gdFromTopLeft,
         gdFromBottomLeft,
         gdRadial,
         gdDiagonalUp,
         gdDiagonalDown)

class TCustomKelGradient : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TCustomKelGradient, TPersistent)

 public:
  explicit TCustomKelGradient(TNotifyEvent onChange = {});
  ~TCustomKelGradient() override;

  int32_t Angle() const { return FAngle; }
  void SetAngle(int32_t value) { SetAndNotify(FAngle, value); }
  int32_t Balance() const { return FBalance; }
  void SetBalance(int32_t value) { SetAndNotify(FBalance, value); }
  TGradientDirection Direction() const { return FDirection; }
  void SetDirection(TGradientDirection value) { SetAndNotify(FDirection, value); }
  int32_t RadialX() const { return FRadialX; }
  void SetRadialX(int32_t value) { SetAndNotify(FRadialX, value); }
  int32_t RadialY() const { return FRadialY; }
  void SetRadialY(int32_t value) { SetAndNotify(FRadialY, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndNotify(FVisible, value); }

  // Created on first access, reset to IDefStart and IDefEnd.
  TKelGradientColors* Colors();
  // Copies value into the list, or frees the list when value is null.
  void SetColors(TKelGradientColors* value);
  bool HasColors() const { return FColors != nullptr; }

  // Item 0, the last item and item 1 of the list; the remembered defaults
  // while there is no list.
  TColor StartColor() const;
  void SetStartColor(TColor value);
  TColor EndColor() const;
  void SetEndColor(TColor value);
  TColor MidColor() const;
  // clNone removes the middle colour of a three-or-more colour list; another
  // colour adds a middle item at offset 0.5 to a list of two or fewer first.
  void SetMidColor(TColor value);

  // Sets Direction and its remembered default together, without notifying.
  void AssignDefaultDirection(TGradientDirection value);

  void Assign(const TPersistent* source) override;

  // Remembered defaults that owners set right after construction.
  TGradientDirection IDefDirection = gdTopBottom;
  TColor IDefStart = clWhite;
  TColor IDefEnd = clYellow;
  TColor IDefMid = clNone;
  bool IDefVisible = false;
  TColor IMidColor = clWhite;
  // Setting EndColor also sets the start colour.
  bool FStartIsEnd = false;

  bool IsColorsStored() const;
  bool IsStartColorStored() const { return FColors && StartColor() != IDefStart; }
  bool IsEndColorStored() const { return FColors && EndColor() != IDefEnd; }
  bool IsMidColorStored() const { return FColors && MidColor() != IDefMid; }

 protected:
  int32_t FAngle = 0;
  int32_t FBalance = 50;
  TGradientDirection FDirection = gdTopBottom;
  int32_t FRadialX = 0;
  int32_t FRadialY = 0;
  bool FVisible = false;

 private:
  std::unique_ptr<TKelGradientColors> FColors;
};

// The gradient drawn over its parent gradient, with its own transparency.
class TSubGradient : public TCustomKelGradient {
  KEL_CLASS(TSubGradient, TCustomKelGradient)

 public:
  explicit TSubGradient(TNotifyEvent onChange = {}) : TCustomKelGradient(std::move(onChange)) {}

  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value) { SetAndNotify(FTransparency, value); }

  void Assign(const TPersistent* source) override;

 private:
  TKelTransparency FTransparency = 50;
};

class TKelGradient : public TCustomKelGradient {
  KEL_CLASS(TKelGradient, TCustomKelGradient)

 public:
  explicit TKelGradient(TNotifyEvent onChange = {}) : TCustomKelGradient(std::move(onChange)) {}
  ~TKelGradient() override;

  // Created on first access with the gradient's notification.
  TSubGradient* SubGradient();
  // Copies value into the sub-gradient, or frees it when value is null.
  void SetSubGradient(TSubGradient* value);
  bool HasSubGradient() const { return FSub != nullptr; }

  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TSubGradient> FSub;
};

}  // namespace kel
