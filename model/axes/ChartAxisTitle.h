// The title of an axis.
#pragma once

#include <cstdint>
#include <string>

#include "model/attributes/Brush.h"  // the shapes make their brushes inline
#include "model/titles/CustomTextShape.h"

namespace kel {

KEL_ENUM(TAxisTitlePosition, tpStart, tpCenter, tpEnd)

// The title of an axis: centred text, transparent, turned by an angle that
// depends on the axis (90 for the left axis, 270 for the right one).
class TChartAxisTitle : public TCustomTextShape {
  KEL_CLASS(TChartAxisTitle, TCustomTextShape)

 public:
  TChartAxisTitle(TCustomKelPanel* parent, int32_t defaultAngle);

  // Stores the angle modulo 360.
  void SetAngle(int32_t value);
  int32_t IDefaultAngle;

  // The text up to its first line break; setting it sets the whole text.
  std::u16string Caption() const;
  void SetCaption(std::u16string value);

  TAxisTitlePosition Position() const { return FPosition; }
  void SetPosition(TAxisTitlePosition value) { SetAndNotify(FPosition, value); }

  void Assign(const TPersistent* source) override;

 private:
  TAxisTitlePosition FPosition = tpCenter;
};

}  // namespace kel
