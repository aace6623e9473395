// The label settings of an axis.
#pragma once

#include <cstdint>

#include "persist/TypeInfo.h"

namespace kel {

KEL_ENUM(TAxisLabelAlign, alDefault, alOpposite, alCenter)
KEL_ENUM(TAxisLabelStyle, talAuto, talNone, talValue, talMark, talText, talPointValue)
KEL_ENUM(TAxisLabelsPosition, lpAtTick, lpBeforeTick, lpAfterTick, lpCenter)

// How the labels of an axis are laid out. The axis publishes these values
// under names beginning with "Labels"; their visibility is the Visible flag
// of the label format instead.
struct TAxisLabels {
  TAxisLabelAlign FAlign = alDefault;
  bool FAlternate = false;
  bool FBehind = false;
  bool FGridIgnoresSize = false;
  bool FOnAxis = true;
  bool FExponent = false;
  bool FMultiLine = false;
  bool FRoundFirst = true;
  int32_t FAngle = 0;
  int32_t FSeparation = 10;
  int32_t FSize = 0;
  TAxisLabelStyle FStyle = talAuto;
  TAxisLabelsPosition FPosition = lpAtTick;
};

}  // namespace kel
