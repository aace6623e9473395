// The base of data sources that are not series: a component that fills the
// series it feeds when it is active.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel {

class TChartSeries;

KEL_ENUM(TSourceLoadMode, lmClear, lmAppend)

class TKelSeriesSource : public TComponent {
  KEL_CLASS(TKelSeriesSource, TComponent)

 public:
  explicit TKelSeriesSource(TComponent* owner) : TComponent(owner) {}
  ~TKelSeriesSource() override;

  bool Active() const { return FActive; }
  // Deactivating clears the series (unless appending or either is being
  // destroyed); activating loads unless loading.
  void SetActive(bool value);
  TSourceLoadMode LoadMode = lmClear;
  TChartSeries* Series() const { return FSeries; }
  void SetSeries(TChartSeries* value);

  // Loads the data when active and not loading.
  void Refresh();
  void LoadFinished() override;

 protected:
  // Fills the series; the concrete sources know how.
  virtual void Load() {}

 private:
  bool FActive = false;
  TChartSeries* FSeries = nullptr;
};

}  // namespace kel
