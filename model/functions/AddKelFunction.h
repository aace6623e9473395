// The sum of the values of each group or of each point of several sources.
#pragma once

#include "model/functions/KelFunction.h"

namespace kel {

class TAddKelFunction : public TKelFunction {
  KEL_CLASS(TAddKelFunction, TKelFunction)

 public:
  using TKelFunction::TKelFunction;

 protected:
  double Reduce(std::span<double> values) override;
};

}  // namespace kel
