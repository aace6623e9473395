// The callout of a series' marks, hidden unless switched on.
#pragma once

#include <cstdint>

#include "model/series/Callout.h"

namespace kel {

class TMarksCallout : public TCallout {
  KEL_CLASS(TMarksCallout, TCallout)

 public:
  explicit TMarksCallout(TChartSeries* series);

  int32_t Length() const { return FLength; }
  void SetLength(int32_t value) { SetAndNotify(FLength, value); }
  // The length it is written against.
  int32_t DefaultLength = 8;

  void Assign(const TPersistent* source) override;

 private:
  int32_t FLength = 8;
};

}  // namespace kel
