// The tools that only name a series: dragging its marks and clipping it to
// its axes.
#pragma once

#include <string>

#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TDragMarksTool : public TKelCustomToolSeries {
  KEL_CLASS(TDragMarksTool, TKelCustomToolSeries)

 public:
  explicit TDragMarksTool(TComponent* owner) : TKelCustomToolSeries(owner) {}

  TMethod OnDraggedMark, OnDraggingMark;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

class TClipSeriesTool : public TKelCustomToolSeries {
  KEL_CLASS(TClipSeriesTool, TKelCustomToolSeries)

 public:
  explicit TClipSeriesTool(TComponent* owner) : TKelCustomToolSeries(owner) {}

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

}  // namespace kel
