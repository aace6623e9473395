// The callout that links a mark to its point: a pointer with an arrow.
#pragma once

#include <cstdint>
#include <memory>

#include "model/series/SeriesPointer.h"

namespace kel {

class TWhitePen;

KEL_ENUM(TArrowHeadStyle, ahNone, ahLine, ahSolid)

class TCallout : public TSeriesPointer {
  KEL_CLASS(TCallout, TSeriesPointer)

 public:
  explicit TCallout(TChartSeries* series);
  ~TCallout() override;

  TWhitePen* Arrow() const { return FArrow.get(); }
  void SetArrow(TWhitePen* value);
  TArrowHeadStyle ArrowHead() const { return FArrowHead; }
  void SetArrowHead(TArrowHeadStyle value) { SetAndNotify(FArrowHead, value); }
  int32_t ArrowHeadSize() const { return FArrowHeadSize; }
  void SetArrowHeadSize(int32_t value) { SetAndNotify(FArrowHeadSize, value); }
  int32_t Distance() const { return FDistance; }
  void SetDistance(int32_t value) { SetAndNotify(FDistance, value); }

  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TWhitePen> FArrow;
  TArrowHeadStyle FArrowHead = ahNone;
  int32_t FArrowHeadSize = 8;
  int32_t FDistance = 0;
};

}  // namespace kel
