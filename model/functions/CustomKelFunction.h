// A function that needs no source: its points come from a handler asked for
// the Y value of each X in turn.
#pragma once

#include <cstdint>
#include <functional>

#include "model/functions/KelFunction.h"

namespace kel {

class TCustomKelFunction : public TKelFunction {
  KEL_CLASS(TCustomKelFunction, TKelFunction)

 public:
  explicit TCustomKelFunction(TComponent* owner);

  int32_t NumPoints() const { return FNumPoints; }
  void SetNumPoints(int32_t value) { FNumPoints = value; }
  double StartX() const { return FStartX; }
  void SetStartX(double value) { FStartX = value; }
  // Written only when assigned.
  TMethod OnCalculate;
  // The code the handler stands for: returns the Y value of CurrentX.
  std::function<double(TCustomKelFunction&)> Calculator;

  // The X value and point number being asked for; -1 outside a calculation.
  double CurrentX() const { return FCurrentX; }
  int32_t CurrentIndex() const { return FCurrentIndex; }

  // Does nothing without a handler; otherwise replaces the points with
  // NumPoints points from StartX, Period apart. source is not used.
  void AddPoints(TChartSeries* source) override;

 private:
  int32_t FNumPoints = 100;
  double FStartX = 0;
  double FCurrentX = 0;
  int32_t FCurrentIndex = -1;
};

}  // namespace kel
