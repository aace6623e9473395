#include "model/functions/KelFunction.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "model/axes/ChartAxis.h"
#include "model/chart/AxisPanel.h"
#include "model/functions/PeriodRange.h"
#include "model/standard/CustomLineSeries.h"
#include "persist/NameCompare.h"
#include "persist/ScopeRestore.h"

namespace kel {
namespace {

using F = TKelFunction;

const char* const kPeriodNegative = "Function Period should be >= 0";
// Ranges of X values that one range calculation may form at most, empty ones
// included: a period far smaller than the gaps between positions would
// otherwise add points without bound.
constexpr int64_t kMaxRanges = 10'000'000;

std::vector<TChartSeries*> SeriesSources(const TChartSeries& series) {
  std::vector<TChartSeries*> result;
  for (TComponent* source : series.DataSources()) {
    if (auto* sourceSeries = dynamic_cast<TChartSeries*>(source)) result.push_back(sourceSeries);
  }
  return result;
}

// Whether the series' horizontal axis steps dates by calendar months.
bool UsesCalendarSteps(const TChartSeries& series) {
  if (!series.XValues()->DateTime()) return false;
  TChartAxis* axis = series.CustomHorizAxis();
  if (axis == nullptr) {
    auto* chart = dynamic_cast<TCustomAxisPanel*>(series.GetParentComponent());
    if (chart == nullptr) return false;
    axis = series.HorizAxis() == aTopAxis ? chart->TopAxis() : chart->BottomAxis();
  }
  return axis->ExactDateTime();
}

bool AllowsSinglePoint(const TChartSeries& series) {
  const auto* line = dynamic_cast<const TCustomLineSeries*>(&series);
  return line == nullptr || line->AllowSinglePoint;
}

}  // namespace

KEL_PROPERTIES(TKelFunction,
               Property(u"CalcByValue", &F::CalcByValue, &F::SetCalcByValue).NoDefault(),
               Property(u"IncludeNulls", &F::IncludeNulls, &F::SetIncludeNulls).Default(true),
               Property(u"Period", &F::Period, &F::SetPeriod),
               Property(u"PeriodAlign", &F::PeriodAlign, &F::SetPeriodAlign).Default(paCenter),
               Property(u"PeriodStyle", &F::PeriodStyle, &F::SetPeriodStyle).Default(psNumPoints))

TKelFunction::~TKelFunction() {
  if (FParent != nullptr) FParent->ForgetFunction(this);
}

void TKelFunction::SetPeriod(double value) {
  if (!(value >= 0)) throw EFunctionError(kPeriodNegative);
  if (FPeriod == value) return;
  FPeriod = value;
  ReCalculate();
}

void TKelFunction::SetFunctionSeries(TChartSeries* series) {
  if (FParent != nullptr && FParent != series) FParent->ForgetFunction(this);
  FParent = series;
}

void TKelFunction::SetParentComponent(TComponent* parent) {
  if (auto* series = dynamic_cast<TChartSeries*>(parent)) series->SetFunction(this);
}

void TKelFunction::ReCalculate() {
  if (!FUpdating && FParent != nullptr) FParent->CheckDataSource();
}

void TKelFunction::EndUpdate() {
  FUpdating = false;
  ReCalculate();
}

// --- Value lists and results ---

TChartValueList& TKelFunction::ValueList(TChartSeries& source) const {
  if (FParent != nullptr) {
    const std::u16string& name = FParent->MandatoryValueList()->ValueSource();
    if (!name.empty()) {
      for (int i = 2; i < source.ValueLists().Count(); ++i) {
        if (SameTextAscii(source.ValueList(i)->Name(), name)) return *source.ValueList(i);
      }
    }
  }
  return *source.MandatoryValueList();
}

void TKelFunction::AddResult(const TChartSeries& source, double position, double v) {
  if (source.YMandatory()) {
    FParent->AddXY(position, v);
  } else {
    FParent->AddXY(v, position);
  }
}

int64_t TKelFunction::PeriodPoints(double period) {
  constexpr double kMax = static_cast<double>(std::numeric_limits<int32_t>::max());
  if (!(period < kMax)) return std::numeric_limits<int32_t>::max();
  return static_cast<int64_t>(std::nearbyint(period));
}

double TKelFunction::GroupPosition(double first, double last) const {
  switch (FPeriodAlign) {
    case paFirst:
      return first;
    case paLast:
      return last;
    case paCenter:
      break;
  }
  return (first + last) / 2;
}

// --- Calculation ---

double TKelFunction::Reduce(std::span<double>) {
  return 0;
}

void TKelFunction::PrepareCalculation(TChartSeries&) {}

double TKelFunction::Calculate(TChartSeries& source, int first, int last) {
  if (first == -1) {
    first = 0;
    last = source.Count() - 1;
  }
  const TChartValueList& list = ValueList(source);
  const double* values = list.Values().data();
  FBuffer.clear();
  if (FIncludeNulls || !source.HasColors()) {
    FBuffer.assign(values + first, values + last + 1);
  } else {
    for (int i = first; i <= last; ++i) {
      if (!source.IsNull(i)) FBuffer.push_back(values[i]);
    }
  }
  return Reduce(FBuffer);
}

double TKelFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int index) {
  FBuffer.clear();
  for (TChartSeries* source : sources) {
    if (index < source->Count() && (FIncludeNulls || !source->IsNull(index))) {
      FBuffer.push_back(ValueList(*source).Value(index));
    }
  }
  return Reduce(FBuffer);
}

double TKelFunction::CalculateManyByValue(const std::vector<TChartSeries*>& sources, double x) {
  FBuffer.clear();
  for (TChartSeries* source : sources) {
    const int index = source->NotMandatoryValueList()->Locate(x);
    if (index >= 0 && (FIncludeNulls || !source->IsNull(index))) {
      FBuffer.push_back(ValueList(*source).Value(index));
    }
  }
  return Reduce(FBuffer);
}

void TKelFunction::AddPoints(TChartSeries* source) {
  if (FUpdating || source == nullptr || FParent == nullptr) return;
  const std::vector<TChartSeries*> sources = SeriesSources(*FParent);
  if (sources.size() > 1) {
    if (FCalcByValue) {
      CalculateByValue(sources);
    } else {
      CalculateByIndex(sources);
    }
  } else if (source->Count() > 0) {
    TScopeRestore<bool> keepCalculating(FCalculating);
    FCalculating = true;
    PrepareCalculation(*source);
    CalculateSource(*source);
  }
}

void TKelFunction::CalculateSource(TChartSeries& source) {
  if (FPeriod == 0 || !FCanUsePeriod) {
    CalculateWholeSource(source);
  } else if (FPeriodStyle == psNumPoints) {
    CalculateByPeriodPoints(source);
  } else {
    CalculateByPeriodRange(source);
  }
}

void TKelFunction::CalculateWholeSource(TChartSeries& source) {
  const double v = Calculate(source, -1, -1);
  TChartValueList& positions = *source.NotMandatoryValueList();
  const double minimum = positions.MinValue();
  const double maximum = positions.MaxValue();
  if (AllowsSinglePoint(*FParent)) {
    const double middle = minimum + (maximum - minimum) / 2;
    if (FParent->YMandatory()) {
      FParent->AddXY(middle, v);
    } else {
      FParent->AddXY(v, middle);
    }
  } else {
    AddResult(source, minimum, v);
    AddResult(source, maximum, v);
  }
}

void TKelFunction::CalculateByPeriodPoints(TChartSeries& source) {
  const int64_t size = PeriodPoints(FPeriod);
  // A period rounding to no point forms no group.
  if (size < 1) return;
  const TChartValueList& positions = *source.NotMandatoryValueList();
  const int64_t count = source.Count();
  FParent->ReservePoints(FParent->Count() + static_cast<int>(count / size));
  for (int64_t d = 0; d + size <= count; d += size) {
    const auto first = static_cast<int>(d);
    const auto last = static_cast<int>(d + size - 1);
    const double position = GroupPosition(positions.Value(first), positions.Value(last));
    AddResult(source, position, Calculate(source, first, last));
  }
}

void TKelFunction::CalculateByPeriodRange(TChartSeries& source) {
  const TChartValueList& positions = *source.NotMandatoryValueList();
  const int count = source.Count();
  const bool calendar = UsesCalendarSteps(*FParent);
  double rangeStart = positions.Value(0);
  int d = 0;
  for (int64_t ranges = 0; d < count && ranges < kMaxRanges; ++ranges) {
    const double rangeEnd = PeriodRangeEnd(rangeStart, FPeriod, calendar);
    // A period too small to move past rangeStart can form no range.
    if (!(rangeEnd > rangeStart)) return;
    const double position = GroupPosition(rangeStart, rangeEnd - FPeriod * 0.001);
    if (positions.Value(d) < rangeEnd) {
      int i = d;
      while (i + 1 < count && positions.Value(i + 1) < rangeEnd) ++i;
      AddResult(source, position, Calculate(source, d, i));
      d = i + 1;
    } else {
      AddResult(source, position, 0);
    }
    rangeStart = rangeEnd;
  }
}

void TKelFunction::CalculateByIndex(const std::vector<TChartSeries*>& sources) {
  TChartSeries* longest = sources.front();
  for (TChartSeries* source : sources) {
    if (source->Count() > longest->Count()) longest = source;
  }
  const TChartValueList& positions = *longest->NotMandatoryValueList();
  for (int i = 0; i < longest->Count(); ++i) {
    const double v = CalculateMany(sources, i);
    if (longest->YMandatory()) {
      FParent->AddXY(positions.Value(i), v, longest->XLabel(i));
    } else {
      FParent->AddXY(v, positions.Value(i), longest->XLabel(i));
    }
  }
}

void TKelFunction::CalculateByValue(const std::vector<TChartSeries*>& sources) {
  int maxCount = 0;
  for (TChartSeries* source : sources) maxCount = std::max(maxCount, source->Count());
  // The positions added so far: the series was cleared before calculating.
  std::unordered_set<double> added;
  std::vector<double> positions;
  for (int i = 0; i < maxCount; ++i) {
    positions.clear();
    for (TChartSeries* source : sources) {
      if (i < source->Count()) positions.push_back(source->NotMandatoryValueList()->Value(i));
    }
    std::sort(positions.begin(), positions.end());
    for (const double x : positions) {
      if (!added.insert(x).second) continue;
      const double v = CalculateManyByValue(sources, x);
      std::u16string label;
      bool everySource = true;
      for (TChartSeries* source : sources) {
        if (label.empty() && i < source->Count() &&
            source->NotMandatoryValueList()->Value(i) == x) {
          label = source->XLabel(i);
        }
        everySource = everySource && source->NotMandatoryValueList()->Locate(x) >= 0;
      }
      if (everySource) {
        FParent->AddXY(x, v, label);
      } else if (FIncludeNulls) {
        FParent->AddNullXY(x, v, label);
      }
    }
  }
}

// --- Moving base ---

KEL_PROPERTIES(TKelMovingFunction, Redeclared(u"PeriodAlign").Default(paLast))

TKelMovingFunction::TKelMovingFunction(TComponent* owner) : TKelFunction(owner) {
  FPeriod = 1;
  FSingleSource = true;
  FPeriodAlign = paLast;
}

void TKelMovingFunction::CalculateSource(TChartSeries& source) {
  const int64_t size = PeriodPoints(FPeriod);
  const int count = source.Count();
  if (size < 1 || count < size) return;
  const TChartValueList& positions = *source.NotMandatoryValueList();
  const auto window = static_cast<int>(size);
  ParentSeries()->ReservePoints(ParentSeries()->Count() + count - window + 1);
  for (int i = window - 1; i < count; ++i) {
    const int first = i - window + 1;
    const double position = GroupPosition(positions.Value(first), positions.Value(i));
    AddResult(source, position, Calculate(source, first, i));
  }
}

}  // namespace kel
