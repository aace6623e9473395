#include "model/tools/KelCustomToolSeries.h"

#include "model/chart/AxisPanel.h"

namespace kel {

using T = TKelCustomToolSeries;
KEL_PROPERTIES(TKelCustomToolSeries, Declared(Property(u"Series", &T::Series, &T::SetSeries)))

namespace {

bool UsesTopAxis(THorizAxis axis) {
  return axis == aTopAxis || axis == aBothHorizAxis;
}
bool UsesBottomAxis(THorizAxis axis) {
  return axis == aBottomAxis || axis == aBothHorizAxis;
}
bool UsesRightAxis(TVertAxis axis) {
  return axis == aRightAxis || axis == aBothVertAxis;
}
bool UsesLeftAxis(TVertAxis axis) {
  return axis == aLeftAxis || axis == aBothVertAxis;
}

// Whether some active series of the chart passes uses.
template <class Uses>
bool AnyActiveSeries(const TCustomAxisPanel& chart, Uses uses) {
  for (IChartSeries* item : chart.SeriesList()) {
    auto* series = dynamic_cast<TChartSeries*>(item);
    if (series != nullptr && series->Active() && uses(*series)) return true;
  }
  return false;
}

}  // namespace

TKelCustomToolSeries::~TKelCustomToolSeries() {
  if (FSeries != nullptr) FSeries->RemoveFreeWatcher(this);
}

void TKelCustomToolSeries::LinkSeries(TChartSeries* series) {
  if (series == FSeries) return;
  if (FSeries != nullptr) FSeries->RemoveFreeWatcher(this);
  FSeries = series;
  if (FSeries != nullptr) FSeries->AddFreeWatcher(this);
}

void TKelCustomToolSeries::SeriesFreed(TChartSeries& series) {
  if (&series == FSeries) FSeries = nullptr;
}

TChartAxis* TKelCustomToolSeries::GetHorizAxis() const {
  if (FSeries != nullptr) {
    if (FSeries->HorizAxis() == aCustomHorizAxis && FSeries->CustomHorizAxis() != nullptr) {
      return FSeries->CustomHorizAxis();
    }
    if (FSeries->HorizAxis() == aTopAxis && FParent != nullptr) return FParent->TopAxis();
  }
  if (FParent == nullptr) return nullptr;
  if (FSeries == nullptr &&
      !AnyActiveSeries(*FParent,
                       [](const TChartSeries& s) { return UsesBottomAxis(s.HorizAxis()); }) &&
      AnyActiveSeries(*FParent, [](const TChartSeries& s) { return UsesTopAxis(s.HorizAxis()); })) {
    return FParent->TopAxis();
  }
  return FParent->BottomAxis();
}

TChartAxis* TKelCustomToolSeries::GetVertAxis() const {
  if (FSeries != nullptr) {
    if (FSeries->VertAxis() == aCustomVertAxis && FSeries->CustomVertAxis() != nullptr) {
      return FSeries->CustomVertAxis();
    }
    if (FSeries->VertAxis() == aRightAxis && FParent != nullptr) return FParent->RightAxis();
  }
  if (FParent == nullptr) return nullptr;
  if (FSeries == nullptr &&
      !AnyActiveSeries(*FParent,
                       [](const TChartSeries& s) { return UsesLeftAxis(s.VertAxis()); }) &&
      AnyActiveSeries(*FParent,
                      [](const TChartSeries& s) { return UsesRightAxis(s.VertAxis()); })) {
    return FParent->RightAxis();
  }
  return FParent->LeftAxis();
}

void TKelCustomToolSeries::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TKelCustomToolSeries*>(source)) {
    LinkSeries(tool->FSeries);
  }
  inherited::Assign(source);
}

}  // namespace kel
