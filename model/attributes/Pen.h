// Pens: the host's runtime pen and the chart's pen with end and join styles,
// small dots, a fill brush and a remembered visibility, plus its variants
// that differ only in their initial look.
#pragma once

#include <cstdint>
#include <memory>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TKelBrush;

KEL_ENUM(TPenMode,
         pmBlack,
         pmWhite,
         pmNop,
         pmNot,
         pmCopy,
         pmNotCopy,
         pmMergePenNot,
         pmMaskPenNot,
         pmMergeNotPen,
         pmMaskNotPen,
         pmMerge,
         pmNotMerge,
         pmMask,
         pmNotMask,
         pmXor,
         pmNotXor)
KEL_ENUM(TPenStyle,
         psSolid,
         psDash,
         psDot,
         psDashDot,
         psDashDotDot,
         psClear,
         psInsideFrame,
         psUserStyle,
         psAlternate)
KEL_ENUM(TPenEndStyle, esRound, esSquare, esFlat)
KEL_ENUM(TPenJoinStyle, jsRound, jsBevel, jsMitter)

// The host's pen: colour, mode, style and width.
class TPen : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TPen, TPersistent)

 public:
  explicit TPen(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetAndNotify(FColor, value); }
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value) { SetAndNotify(FMode, value); }
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value) { SetAndNotify(FStyle, value); }
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value) { SetAndNotify(FWidth, value); }

  void Assign(const TPersistent* source) override;

 protected:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int32_t FWidth = 1;
};

class TKelPen : public TPen {
  KEL_CLASS(TKelPen, TPen)

 public:
  explicit TKelPen(TNotifyEvent onChange = {});
  ~TKelPen() override;

  TPenEndStyle EndStyle() const { return FEndStyle; }
  void SetEndStyle(TPenEndStyle value) { SetAndNotify(FEndStyle, value); }
  TPenJoinStyle JoinStyle() const { return FJoinStyle; }
  void SetJoinStyle(TPenJoinStyle value) { SetAndNotify(FJoinStyle, value); }
  bool SmallDots() const { return FSmallDots; }
  void SetSmallDots(bool value) { SetAndNotify(FSmallDots, value); }
  int32_t SmallSpace() const { return FSmallSpace; }
  void SetSmallSpace(int32_t value) { SetAndNotify(FSmallSpace, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndNotify(FVisible, value); }

  // Created on first access with the pen's notification; nothing frees it.
  TKelBrush* Fill();
  // Copies value into the fill, or frees the fill when value is null.
  void SetFill(TKelBrush* value);
  bool HasFill() const { return FFill != nullptr; }

  // Sets EndStyle and its remembered default together, without notifying.
  void AssignDefaultEndStyle(TPenEndStyle value);

  void Assign(const TPersistent* source) override;

  // Remembered defaults that the write rules compare with; owners adjust
  // DefaultWidth and DefaultVisible right after construction.
  TPenEndStyle DefaultEnd = esRound;
  TPenJoinStyle DefaultJoin = jsRound;
  bool DefaultVisible = true;
  int32_t DefaultWidth = 1;

 protected:
  TPenEndStyle FEndStyle = esRound;
  TPenJoinStyle FJoinStyle = jsRound;
  bool FSmallDots = false;
  int32_t FSmallSpace = 0;
  bool FVisible = true;

 private:
  std::unique_ptr<TKelBrush> FFill;
};

// A pen that starts hidden and so writes Visible = True once shown.
class TKelHiddenPen : public TKelPen {
  KEL_CLASS(TKelHiddenPen, TKelPen)

 public:
  explicit TKelHiddenPen(TNotifyEvent onChange = {});
};

// A pen that starts gray; its colour is written when it is not gray.
class TDarkGrayPen : public TKelPen {
  KEL_CLASS(TDarkGrayPen, TKelPen)

 public:
  explicit TDarkGrayPen(TNotifyEvent onChange = {});
};

// A pen that starts white; its colour is written when it is not white.
class TWhitePen : public TKelPen {
  KEL_CLASS(TWhitePen, TKelPen)

 public:
  explicit TWhitePen(TNotifyEvent onChange = {});
};

}  // namespace kel
