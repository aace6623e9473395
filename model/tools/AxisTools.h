// The axis tools: clickable arrows at the ends of an axis, and scrolling an
// axis by dragging it.
#pragma once

#include <cstdint>
#include <string>

#include "model/tools/KelCustomToolAxis.h"

namespace kel {

KEL_ENUM(TAxisArrowToolPosition, aaStart, aaEnd, aaBoth)

class TAxisArrowTool : public TKelCustomToolAxis {
  KEL_CLASS(TAxisArrowTool, TKelCustomToolAxis)

 public:
  explicit TAxisArrowTool(TComponent* owner) : TKelCustomToolAxis(owner) {}

  TAxisArrowToolPosition Position = aaBoth;
  int32_t HeadWidth = 8;
  int32_t Length = 16;
  bool ScrollInverted = false;
  int32_t ScrollPercent = 10;
  int32_t SizePercent = 50;
  TMethod OnClick;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

class TAxisScrollTool : public TKelCustomToolAxis {
  KEL_CLASS(TAxisScrollTool, TKelCustomToolAxis)

 public:
  explicit TAxisScrollTool(TComponent* owner) : TKelCustomToolAxis(owner) {}

  bool ScrollInverted = false;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

}  // namespace kel
