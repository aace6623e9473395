// What a series asks of the function that computes its points. The function
// classes live above the series; the series only knows this interface.
#pragma once

namespace kel {

class TChartSeries;

class ISeriesFunction {
 public:
  // Replaces the series' points by the function's results over source and the
  // series' other data sources; source is null for a function needing none.
  virtual void AddPoints(TChartSeries* source) = 0;
  // Whether the function computes its points without any source.
  virtual bool NeedsNoSource() const = 0;
  // Told by the series that takes the function as its own (null: released).
  virtual void SetFunctionSeries(TChartSeries* series) = 0;

 protected:
  ~ISeriesFunction() = default;
};

}  // namespace kel
