// The margins between a text shape's frame and its text.
#pragma once

#include <cstdint>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TMarginUnits, maPercentFont, maPercentSize, maPixels)

class TMargins : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TMargins, TPersistent)

 public:
  // onChange repaints the shape.
  explicit TMargins(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  int32_t Left() const { return FLeft; }
  void SetLeft(int32_t value) { SetAndNotify(FLeft, value); }
  int32_t Top() const { return FTop; }
  void SetTop(int32_t value) { SetAndNotify(FTop, value); }
  int32_t Right() const { return FRight; }
  void SetRight(int32_t value) { SetAndNotify(FRight, value); }
  int32_t Bottom() const { return FBottom; }
  void SetBottom(int32_t value) { SetAndNotify(FBottom, value); }
  TMarginUnits Units() const { return FUnits; }
  void SetUnits(TMarginUnits value) { SetAndNotify(FUnits, value); }

  // Left and right (horizontal) or top and bottom (vertical) together with
  // the default they are written against.
  void SetDefaultHoriz(int32_t value);
  void SetDefaultVert(int32_t value);
  int32_t DefaultHoriz() const { return FDefaultHoriz; }
  int32_t DefaultVert() const { return FDefaultVert; }

  void Assign(const TPersistent* source) override;

 private:
  int32_t FDefaultHoriz = 10;
  int32_t FDefaultVert = 5;
  int32_t FLeft = 10;
  int32_t FTop = 5;
  int32_t FRight = 10;
  int32_t FBottom = 5;
  TMarginUnits FUnits = maPercentFont;
};

}  // namespace kel
