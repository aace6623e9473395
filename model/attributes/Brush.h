// Brushes: the host's runtime brush and the chart's brush with a back colour,
// a gradient and an image, and a remembered default colour.
#pragma once

#include <memory>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TKelGradient;
class TKelPicture;

KEL_ENUM(TBrushStyle,
         bsSolid,
         bsClear,
         bsHorizontal,
         bsVertical,
         bsFDiagonal,
         bsBDiagonal,
         bsCross,
         bsDiagCross)

// The host's brush: colour and style.
class TBrush : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TBrush, TPersistent)

 public:
  explicit TBrush(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetAndNotify(FColor, value); }
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value) { SetAndNotify(FStyle, value); }

  void Assign(const TPersistent* source) override;

 protected:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

class TKelBrush : public TBrush {
  KEL_CLASS(TKelBrush, TBrush)

 public:
  explicit TKelBrush(TNotifyEvent onChange = {});
  ~TKelBrush() override;

  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor value) { SetAndNotify(FBackColor, value); }

  // Created on first access with the brush's notification.
  TKelGradient* Gradient();
  // Copies value into the gradient, or frees the gradient when value is null.
  void SetGradient(TKelGradient* value);
  bool HasGradient() const { return FGradient != nullptr; }

  // Created on first access with the brush's notification.
  TKelPicture* Image();
  // Copies value into the image, or frees the image when value is null.
  void SetImage(TKelPicture* value);
  bool HasImage() const { return FImage != nullptr; }

  // Sets Color and its remembered default together, without notifying.
  void AssignDefaultColor(TColor value);
  // Style bsClear, and no image or gradient.
  void Clear();

  void Assign(const TPersistent* source) override;

  TColor DefaultColor = clDefault;

 private:
  TColor FBackColor = clNone;
  std::unique_ptr<TKelGradient> FGradient;
  std::unique_ptr<TKelPicture> FImage;
};

}  // namespace kel
