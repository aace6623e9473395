// The base of tools that work on one axis of their chart. The axis travels in
// a chart file as "AxisID", its position in the chart's list of all axes.
#pragma once

#include "model/tools/KelCustomTool.h"

namespace kel {

class TChartAxis;

class TKelCustomToolAxis : public TKelCustomTool {
  KEL_CLASS(TKelCustomToolAxis, TKelCustomTool)

 public:
  explicit TKelCustomToolAxis(TComponent* owner) : TKelCustomTool(owner) {}

  // The linked axis, or none; not owned.
  TChartAxis* Axis() const { return FAxis; }
  void SetAxis(TChartAxis* value) { LinkAxis(value); }
  // Stores the axis and attaches the tool to the axis's chart (to none
  // without an axis).
  virtual void LinkAxis(TChartAxis* axis);

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  // The axis's position in the chart's axis list, or -1.
  int AxisIndex() const;

  TChartAxis* FAxis = nullptr;
};

}  // namespace kel
