#include "model/series/SeriesSource.h"

#include "model/series/ChartSeries.h"

namespace kel {

KEL_PROPERTIES(TKelSeriesSource)

TKelSeriesSource::~TKelSeriesSource() {
  if (FSeries != nullptr) FSeries->RemoveDataSource(this);
}

void TKelSeriesSource::SetActive(bool value) {
  if (FActive == value) return;
  FActive = value;
  if (value) {
    Refresh();
  } else if (FSeries != nullptr && LoadMode != lmAppend &&
             !ComponentState().Contains(csDestroying) &&
             !FSeries->ComponentState().Contains(csDestroying)) {
    FSeries->Clear();
  }
}

void TKelSeriesSource::SetSeries(TChartSeries* value) {
  FSeries = value;
}

void TKelSeriesSource::Refresh() {
  if (FActive && !ComponentState().Contains(csLoading)) Load();
}

void TKelSeriesSource::LoadFinished() {
  inherited::LoadFinished();
  Refresh();
}

}  // namespace kel
