// The boxed parts of an axis: its title, the format its labels are drawn
// with, and its background shape.
#pragma once

#include <cstdint>
#include <string>

#include "model/attributes/Brush.h"  // the shapes make their brushes inline
#include "model/attributes/Shape.h"
#include "model/titles/TextShape.h"

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
  bool IsAngleStored() const { return Angle() != IDefaultAngle; }

  // The text up to its first line break; setting it sets the whole text.
  std::u16string Caption() const;
  void SetCaption(std::u16string value);

  TAxisTitlePosition Position() const { return FPosition; }
  void SetPosition(TAxisTitlePosition value) { SetAndNotify(FPosition, value); }

  void Assign(const TPersistent* source) override;

 private:
  TAxisTitlePosition FPosition = tpCenter;
};

// The look of an axis's labels: centred text, transparent. Its Visible flag
// is the axis's Labels.
class TAxisLabelsFormat : public TCustomTextShape {
  KEL_CLASS(TAxisLabelsFormat, TCustomTextShape)

 public:
  explicit TAxisLabelsFormat(TCustomKelPanel* parent);
};

// The background of an axis: hidden until shown, drawn in 3D, without shadow.
class TAxisBackShape : public TKelShape {
  KEL_CLASS(TAxisBackShape, TKelShape)

 public:
  explicit TAxisBackShape(TCustomKelPanel* parent);
};

}  // namespace kel
