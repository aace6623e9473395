#include "model/functions/MomentumFunction.h"

namespace kel {
namespace {

// The window's first and last index, the whole source's for first = -1;
// false when there is no point.
bool WindowEnds(const TChartSeries& source, int& first, int& last) {
  if (first == -1) {
    first = 0;
    last = source.Count() - 1;
  }
  return first <= last;
}

}  // namespace

KEL_PROPERTIES(TMomentumFunction)

TMomentumFunction::TMomentumFunction(TComponent* owner) : TKelMovingFunction(owner) {
  FPeriod = 2;
}

double TMomentumFunction::Calculate(TChartSeries& source, int first, int last) {
  if (!WindowEnds(source, first, last)) return 0;
  const TChartValueList& v = ValueList(source);
  return v.Value(last) - v.Value(first);
}

KEL_PROPERTIES(TMomentumDivFunction)

TMomentumDivFunction::TMomentumDivFunction(TComponent* owner) : TKelMovingFunction(owner) {
  FPeriod = 2;
}

double TMomentumDivFunction::Calculate(TChartSeries& source, int first, int last) {
  if (!WindowEnds(source, first, last)) return 0;
  const TChartValueList& v = ValueList(source);
  return v.Value(first) == 0 ? 0 : 100 * v.Value(last) / v.Value(first);
}

}  // namespace kel
