// The chart's titles: Title and SubTitle above the chart, Foot and SubFoot
// below it.
#pragma once

#include <cstdint>

#include "model/titles/StringsShape.h"

namespace kel {

class TChartTitle : public TStringsShape {
  KEL_CLASS(TChartTitle, TStringsShape)

 public:
  // A title at the top of the chart: centred, transparent, in blue.
  explicit TChartTitle(TCustomKelPanel* parent);

  bool AdjustFrame() const { return FAdjustFrame; }
  void SetAdjustFrame(bool value) { SetAndNotify(FAdjustFrame, value); }
  int32_t VertMargin() const { return FVertMargin; }
  void SetVertMargin(int32_t value) { SetAndNotify(FVertMargin, value); }
  // Whether the title sits at the top of the chart (else at the bottom).
  bool OnTop() const { return FOnTop; }

  void Assign(const TPersistent* source) override;

 protected:
  bool FOnTop = true;

 private:
  bool FAdjustFrame = true;
  int32_t FVertMargin = 5;
};

// A title at the bottom of the chart, in red italics.
class TChartFootTitle : public TChartTitle {
  KEL_CLASS(TChartFootTitle, TChartTitle)

 public:
  explicit TChartFootTitle(TCustomKelPanel* parent);
};

}  // namespace kel
