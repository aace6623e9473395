// The volume series: one traded volume per period, drawn as a vertical line
// from an origin.
#pragma once

#include "model/standard/CustomSeries.h"

namespace kel {

class TVolumeSeries : public TCustomSeries {
  KEL_CLASS(TVolumeSeries, TCustomSeries)

 public:
  explicit TVolumeSeries(TComponent* owner);

  // The Y list under the volume's name.
  TChartValueList* VolumeValues() const { return YValues(); }
  void SetVolumeValues(TChartValueList* value);
  bool UseYOrigin() const { return FUseYOrigin; }
  void SetUseYOrigin(bool value);
  double YOrigin() const { return FOrigin; }
  void SetYOrigin(double value);

  // Also colours the line pen.
  void SetSeriesColor(TColor value) override;
  void Assign(const TPersistent* source) override;

 private:
  bool FUseYOrigin = false;
  double FOrigin = 0;
};

}  // namespace kel
