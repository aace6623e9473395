// The slice of a pie that groups its small slices, with its legend.
#pragma once

#include <memory>
#include <string>

#include "persist/IntegerIdents.h"
#include "persist/Persistent.h"

namespace kel {

class TChartLegend;
class TChartSeries;

KEL_ENUM(TPieOtherStyle, poNone, poBelowPercent, poBelowValue)

// The slice that groups the small slices of a pie.
class TPieOtherSlice : public TPersistent {
  KEL_CLASS(TPieOtherSlice, TPersistent)

 public:
  explicit TPieOtherSlice(TChartSeries* pie);
  ~TPieOtherSlice() override;

  TColor FColor = clDefault;
  TPieOtherStyle FStyle = poNone;
  double FValue = 0;

  // "Other" while none is set; written only once set.
  std::u16string Text() const;
  void SetText(const std::u16string& value) { FText = value; }
  bool IsTextStored() const { return !FText.empty(); }

  // Created on first access, hidden while its default-visible flag stays set.
  TChartLegend* Legend();
  void SetLegend(TChartLegend* value);

  void Assign(const TPersistent* source) override;

 private:
  TChartSeries* FPie;
  std::u16string FText;
  std::unique_ptr<TChartLegend> FLegend;
};

}  // namespace kel
