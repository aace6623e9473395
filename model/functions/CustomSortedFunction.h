// Functions over the values of each group in ascending order: the median and
// the mode. Each group is sorted once, then reduced.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TCustomSortedFunction : public TKelFunction {
  KEL_CLASS(TCustomSortedFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

 protected:
  double Reduce(std::span<double> values) final;
  // values are sorted ascending; 0 in the base.
  virtual double ReduceSorted(std::span<const double> values);
};

// The middle value for an odd count, the mean of the two middle values for
// an even count; 0 for no value.
class TMedianKelFunction : public TCustomSortedFunction {
  KEL_CLASS(TMedianKelFunction, TCustomSortedFunction)

 public:
  using TCustomSortedFunction::TCustomSortedFunction;

 protected:
  double ReduceSorted(std::span<const double> values) override;
};

// The value of the longest run of equal values, the smallest among runs of
// equal length; 0 for no value.
class TModeKelFunction : public TCustomSortedFunction {
  KEL_CLASS(TModeKelFunction, TCustomSortedFunction)

 public:
  using TCustomSortedFunction::TCustomSortedFunction;

 protected:
  double ReduceSorted(std::span<const double> values) override;
};

}  // namespace kel
