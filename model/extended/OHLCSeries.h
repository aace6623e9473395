// The open-high-low-close series: one trading period per point, its close as
// the point's value and its date as the position.
#pragma once

#include <string>

#include "model/standard/CustomSeries.h"

namespace kel {

class TOHLCSeries : public TCustomSeries {
  KEL_CLASS(TOHLCSeries, TCustomSeries)

 public:
  explicit TOHLCSeries(TComponent* owner);

  TChartValueList* DateValues() const { return XValues(); }
  void SetDateValues(TChartValueList* value);
  TChartValueList* CloseValues() const { return YValues(); }
  void SetCloseValues(TChartValueList* value);
  TChartValueList* HighValues() const { return FHighValues; }
  void SetHighValues(TChartValueList* value);
  TChartValueList* LowValues() const { return FLowValues; }
  void SetLowValues(TChartValueList* value);
  TChartValueList* OpenValues() const { return FOpenValues; }
  void SetOpenValues(TChartValueList* value);

  // Returns the point index.
  int AddOHLC(double date,
              double open,
              double high,
              double low,
              double close,
              const std::u16string& label = {},
              TColor color = clDefault);
  // Without a date the position is the point count, and the dates stop being
  // dates.
  int AddOHLC(double open, double high, double low, double close);

  bool AcceptsPointsOf(const TChartSeries& source) const override;

 private:
  void StageExtremes(double open, double high, double low);

  TChartValueList* FHighValues;
  TChartValueList* FLowValues;
  TChartValueList* FOpenValues;
};

}  // namespace kel
