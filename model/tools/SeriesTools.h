// The tools that only name a series: dragging its marks and clipping it to
// its axes.
#pragma once

#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TDragMarksTool : public TKelCustomToolSeries {
  KEL_CLASS(TDragMarksTool, TKelCustomToolSeries)

 public:
  explicit TDragMarksTool(TComponent* owner) : TKelCustomToolSeries(owner) {}

  TMethod OnDraggedMark, OnDraggingMark;
};

class TClipSeriesTool : public TKelCustomToolSeries {
  KEL_CLASS(TClipSeriesTool, TKelCustomToolSeries)

 public:
  explicit TClipSeriesTool(TComponent* owner) : TKelCustomToolSeries(owner) {}
};

}  // namespace kel
