// The function base: a component, written as the only child of its series,
// that computes the series' points from the series' data sources. Each
// concrete function is mostly its reduce rule over a buffer of values; the
// base holds the whole-source, period and several-source calculations, and
// TKelMovingFunction the moving one.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/series/ChartSeries.h"
#include "model/series/SeriesFunction.h"
#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"

namespace kel {

KEL_ENUM(TFunctionPeriodStyle, psNumPoints, psRange)
KEL_ENUM(TFunctionPeriodAlign, paFirst, paCenter, paLast)

// A setter of a function refused a value.
class EFunctionError : public Exception {
 public:
  explicit EFunctionError(const std::string& message) : Exception(message) {}
};

class TKelFunction : public TComponent, public ISeriesFunction {
  KEL_CLASS(TKelFunction, TComponent)

 public:
  explicit TKelFunction(TComponent* owner) : TComponent(owner) {}
  ~TKelFunction() override;

  // --- Published settings ---
  bool CalcByValue() const { return FCalcByValue; }
  void SetCalcByValue(bool value) { FCalcByValue = value; }
  bool IncludeNulls() const { return FIncludeNulls; }
  void SetIncludeNulls(bool value) { FIncludeNulls = value; }
  double Period() const { return FPeriod; }
  // Raises "Function Period should be >= 0" for a negative value (or one that
  // is not a number); a changed period recalculates.
  void SetPeriod(double value);
  TFunctionPeriodAlign PeriodAlign() const { return FPeriodAlign; }
  void SetPeriodAlign(TFunctionPeriodAlign value) { FPeriodAlign = value; }
  TFunctionPeriodStyle PeriodStyle() const { return FPeriodStyle; }
  void SetPeriodStyle(TFunctionPeriodStyle value) { FPeriodStyle = value; }

  // --- The function series ---
  TChartSeries* ParentSeries() const { return FParent; }
  void SetFunctionSeries(TChartSeries* series) override;
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override { return FParent; }
  bool HasParent() const override { return true; }

  // --- Recalculation ---
  // Unless updating, lets the function series check its data source, which
  // recalculates it.
  void ReCalculate();
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate();
  bool Updating() const { return FUpdating; }

  // --- Calculation ---
  void AddPoints(TChartSeries* source) override;
  bool NeedsNoSource() const override { return FNoSourceRequired; }
  bool CanUsePeriod() const { return FCanUsePeriod; }
  bool SingleSource() const { return FSingleSource; }
  // The function's value over the source points first..last (first = -1:
  // the whole source).
  virtual double Calculate(TChartSeries& source, int first, int last);
  // The value over the index-th points of several sources.
  double CalculateMany(const std::vector<TChartSeries*>& sources, int index);
  // The value over the points of several sources whose position is x.
  double CalculateManyByValue(const std::vector<TChartSeries*>& sources, double x);
  // The list a function reads from source: the one the function series'
  // mandatory ValueSource names (ASCII case ignored), else the mandatory one.
  TChartValueList& ValueList(TChartSeries& source) const;

 protected:
  // Turns the collected values into one result; 0 in the base. The buffer
  // belongs to the function and may be reordered.
  virtual double Reduce(std::span<double> values);
  // Run before a calculation from source: functions that keep work across
  // the groups of one calculation start it afresh here.
  virtual void PrepareCalculation(TChartSeries& source);
  // Whether AddPoints is under way (work kept across groups is valid only then).
  bool Calculating() const { return FCalculating; }
  // The calculation of one source that has points: period or whole source;
  // the moving base replaces it.
  virtual void CalculateSource(TChartSeries& source);
  // Adds the result v at position p: (p, v), or (v, p) when the source does
  // not have its Y values mandatory.
  void AddResult(const TChartSeries& source, double position, double v);
  // A period (or moving window size) as a point count: the nearest whole
  // number, halves to even, saturated at the integer range.
  static int64_t PeriodPoints(double period);
  // Where a group's result goes by PeriodAlign: its first or last position,
  // or their middle.
  double GroupPosition(double first, double last) const;

  bool FCanUsePeriod = true;
  bool FNoSourceRequired = false;
  bool FSingleSource = false;
  double FPeriod = 0;
  TFunctionPeriodAlign FPeriodAlign = paCenter;

 private:
  void CalculateWholeSource(TChartSeries& source);
  void CalculateByPeriodPoints(TChartSeries& source);
  void CalculateByPeriodRange(TChartSeries& source);
  void CalculateByIndex(const std::vector<TChartSeries*>& sources);
  void CalculateByValue(const std::vector<TChartSeries*>& sources);

  bool FCalcByValue = false;
  bool FIncludeNulls = true;
  TFunctionPeriodStyle FPeriodStyle = psNumPoints;
  TChartSeries* FParent = nullptr;
  bool FUpdating = false;
  bool FCalculating = false;
  // Reused between groups so that a calculation allocates once.
  std::vector<double> FBuffer;
};

// A function over a window of Period points that moves one point at a time.
class TKelMovingFunction : public TKelFunction {
  KEL_CLASS(TKelMovingFunction, TKelFunction)

 public:
  explicit TKelMovingFunction(TComponent* owner);

 protected:
  void CalculateSource(TChartSeries& source) override;
};

}  // namespace kel
