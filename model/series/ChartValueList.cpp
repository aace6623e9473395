#include "model/series/ChartValueList.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/base/ModelMessages.h"
#include "model/series/ChartSeries.h"
#include "persist/ClassRegistry.h"
#include "persist/FloatFormat.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"

namespace kel {

using L = TChartValueList;
KEL_PROPERTIES(TChartValueList,
               Property(u"DateTime", &L::DateTime, &L::SetDateTime)
                   .NoDefault()
                   .StoredUnlessEqual(&L::DefaultDateTime),
               Property(u"Name", &L::Name, &L::SetName),
               Property(u"Order", &L::Order, &L::SetOrder).NoDefault(),
               Property(u"ValueSource", &L::ValueSource, &L::SetValueSource))

TChartValueList::TChartValueList(TChartSeries* owner, const std::u16string& name)
    : FOwner(owner), FName(name) {}

TChartValueList::~TChartValueList() = default;

void TChartValueList::SetValue(int index, double value) {
  FValues[static_cast<size_t>(index)] = value;
  Modified();
}

int TChartValueList::AddValue() {
  const double value = TempValue;
  int index = Count();
  if (FOrder == loAscending && !FValues.empty() && value < FValues.back()) {
    while (index > 0 && FValues[static_cast<size_t>(index) - 1] > value) --index;
  } else if (FOrder == loDescending && !FValues.empty() && value > FValues.back()) {
    while (index > 0 && value > FValues[static_cast<size_t>(index) - 1]) --index;
  }
  InsertValue(index, value);
  return index;
}

void TChartValueList::Reserve(int count) {
  FValues.reserve(static_cast<size_t>(std::max(count, 0)));
}

void TChartValueList::InsertValue(int index, double value) {
  if (static_cast<size_t>(index) == FValues.size()) {
    FValues.push_back(value);  // the usual case, without the general insert
  } else {
    FValues.insert(FValues.begin() + index, value);
  }
  Modified();
}

void TChartValueList::Delete(int index) {
  FValues.erase(FValues.begin() + index);
  Modified();
}

void TChartValueList::Delete(int start, int quantity) {
  const int end = std::min(Count(), start + quantity);
  if (start >= end) return;
  FValues.erase(FValues.begin() + start, FValues.begin() + end);
  Modified();
}

void TChartValueList::Clear() {
  TValues().swap(FValues);
  Modified();
}

void TChartValueList::Exchange(int index1, int index2) {
  std::swap(FValues[static_cast<size_t>(index1)], FValues[static_cast<size_t>(index2)]);
  Modified();
}

void TChartValueList::FillSequence() {
  std::iota(FValues.begin(), FValues.end(), 0.0);
  Modified();
}

void TChartValueList::Sort() {
  if (FOrder == loNone || FOwner == nullptr) return;
  // A stable insertion sort over the owner's points keeps equal values in
  // their order of arrival and moves every list, colour and label along.
  for (int i = 1; i < Count(); ++i) {
    for (int j = i; j > 0; --j) {
      const double before = Value(j - 1);
      const double current = Value(j);
      const bool outOfOrder = FOrder == loAscending ? before > current : before < current;
      if (!outOfOrder) break;
      FOwner->SwapValueIndex(j - 1, j);
    }
  }
}

int TChartValueList::Locate(double value) const {
  const auto found = std::find(FValues.begin(), FValues.end(), value);
  return found == FValues.end() ? -1 : static_cast<int>(found - FValues.begin());
}

void TChartValueList::Recalc() {
  if (FStatsValid) return;
  FStatsValid = true;
  FTotal = FTotalABS = FMinValue = FMaxValue = 0;
  if (FValues.empty()) return;
  FMinValue = FMaxValue = FValues.front();
  for (const double value : FValues) {
    FTotal += value;
    FTotalABS += std::fabs(value);
    FMinValue = std::min(FMinValue, value);
    FMaxValue = std::max(FMaxValue, value);
  }
}

double TChartValueList::MaxValue() {
  Recalc();
  return FMaxValue;
}

double TChartValueList::MinValue() {
  Recalc();
  return FMinValue;
}

double TChartValueList::Total() {
  Recalc();
  return FTotal;
}

double TChartValueList::TotalABS() {
  Recalc();
  return FTotalABS;
}

std::u16string TChartValueList::ValueToString(int index) const {
  constexpr int kGeneralPrecision = 15;
  return Utf8ToUtf16(FormatGeneralFloat(Value(index), kGeneralPrecision));
}

void TChartValueList::Modified() {
  FStatsValid = false;
  if (FOwner != nullptr) FOwner->ValueListModified();
}

void TChartValueList::SetDateTime(bool value) {
  FDateTime = value;
}

void TChartValueList::AssignDefaultDateTime(bool value) {
  DefaultDateTime = value;
  FDateTime = value;
}

void TChartValueList::SetOrder(TChartListOrder value) {
  FOrder = value;
}

void TChartValueList::SetValueSource(const std::u16string& value) {
  FValueSource = value;
}

void TChartValueList::Assign(const TPersistent* source) {
  if (const auto* list = dynamic_cast<const TChartValueList*>(source)) {
    FOrder = list->FOrder;
    FDateTime = list->FDateTime;
    FName = list->FName;
    FValueSource = list->FValueSource;
    return;
  }
  inherited::Assign(source);
}

void TChartValueList::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"Multiplier",
      [](TReader& reader) {
        if (reader.ReadFloat() != 1) {
          ShowModelMessage(
              u"Error: Multiplier property is obsolete.\rModify KelDefs.inc (enable Multiplier) "
              u"and recompile.");
        }
      },
      nullptr, false);
}

void RegisterValueListClasses() {
  RegisterClass<TChartValueList>();
}

}  // namespace kel
