#include "model/functions/MovingAverageFunction.h"

#include <cmath>

namespace kel {

using M = TMovingAverageFunction;

KEL_PROPERTIES(TMovingAverageFunction,
               Property(u"Weighted", &M::Weighted, &M::SetWeighted).Default(false),
               Property(u"WeightedIndex", &M::WeightedIndex, &M::SetWeightedIndex).Default(false))

void TMovingAverageFunction::SetWeighted(bool value) {
  if (FWeighted == value) return;
  FWeighted = value;
  ReCalculate();
}

void TMovingAverageFunction::SetWeightedIndex(bool value) {
  if (FWeightedIndex == value) return;
  FWeightedIndex = value;
  ReCalculate();
}

double TMovingAverageFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1) {
    first = 0;
    last = source.Count() - 1;
  }
  const double* v = ValueList(source).Values().data();
  double sum = 0;
  double weights = 0;
  if (FWeighted) {
    const double* x = source.XValues()->Values().data();
    for (int i = first; i <= last; ++i) {
      sum += v[i] * x[i];
      weights += x[i];
    }
  } else if (FWeightedIndex) {
    for (int i = first; i <= last; ++i) {
      const double k = i - first + 1;
      sum += v[i] * k;
      weights += k;
    }
  } else {
    for (int i = first; i <= last; ++i) sum += v[i];
    weights = last - first + 1;
  }
  return weights == 0 ? 0 : sum / weights;
}

KEL_PROPERTIES(TSmoothedMovAvgFunction)

void TSmoothedMovAvgFunction::PrepareCalculation(TChartSeries& source) {
  // The plain moving average of the first window, 0 when there is none.
  const int64_t size = PeriodPoints(FPeriod);
  const int count = source.MandatoryValueList()->Count();
  double sum = 0;
  if (size >= 1 && size <= count) {
    for (int i = 0; i < size; ++i) sum += source.MandatoryValueList()->Value(i);
  }
  FFirstAverage = size >= 1 && size <= count ? sum / static_cast<double>(size) : 0;
}

double TSmoothedMovAvgFunction::Calculate(TChartSeries& source, int first, int) {
  TChartSeries* series = ParentSeries();
  if (first <= 0 || series == nullptr || series->Count() == 0) return FFirstAverage;
  const double p = FPeriod;
  const double previous = series->YValues()->Last();
  const auto newest = static_cast<int>(std::nearbyint(p)) + first - 1;
  return (previous * p - previous + ValueList(source).Value(newest)) / p;
}

}  // namespace kel
