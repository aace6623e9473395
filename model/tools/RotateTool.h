// The rotate tool: turns and tilts the chart's 3D view by dragging.
#pragma once

#include <cstdint>
#include <string>

#include "model/titles/ZoomPanning.h"
#include "model/tools/KelCustomTool.h"
#include "persist/IntegerIdents.h"

namespace kel {

KEL_ENUM(TRotateToolStyles, rsAll, rsRotation, rsElevation)

class TRotateTool : public TKelCustomTool {
  KEL_CLASS(TRotateTool, TKelCustomTool)

 public:
  explicit TRotateTool(TComponent* owner);

  TMouseButton Button = mbLeft;
  TCursor Cursor = crHandPoint;
  int32_t Inertia = 0;
  bool Inverted = false;
  int32_t Speed = 50;
  TRotateToolStyles Style = rsAll;
  TMethod OnRotate;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

}  // namespace kel
