// A stand-in series for the chart store tests: it attaches itself to the
// chart it is read into, records the save marks it sees while written, and
// takes one byte per trailing data block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/chart/AxisPanel.h"

namespace kel::test {

class TFakeSeries : public TComponent, public IChartSeries {
  KEL_CLASS(TFakeSeries, TComponent)

 public:
  explicit TFakeSeries(TComponent* owner) : TComponent(owner) {}
  ~TFakeSeries() override;

  // Attaches to chart as the reader and the tests do.
  void SetParentComponent(TComponent* parent) override;
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override { return FChart; }

  TComponent& SeriesComponent() override { return *this; }
  bool Active() const override { return FActive; }
  void SetActive(bool value) override { FActive = value; }
  bool ShowInLegend() const override { return true; }
  TColor SeriesColor() const override { return FColor; }
  void SetSeriesColor(TColor value) override { FColor = value; }
  void ClearDataSource() override { ++ClearDataSourceCalls; }
  void ReadSeriesData(TStream& stream) override;
  bool DontSerialize() const override { return FDontSerialize; }
  void SetForceSaveData(bool value) override { FForceSaveData = value; }
  void SetDontSaveData(bool value) override { FDontSaveData = value; }

  void DefineProperties(TFiler& filer) override;

  bool FActive = true;
  TColor FColor = clDefault;
  TFakeSeries* FSource = nullptr;
  bool FDontSerialize = false;
  bool FForceSaveData = false;
  bool FDontSaveData = false;
  // The marks seen each time the series was written: "force", "dont" or "".
  std::vector<std::string> MarksWhenWritten;
  std::vector<uint8_t> TrailingBytes;
  int ClearDataSourceCalls = 0;

 private:
  TCustomAxisPanel* FChart = nullptr;
};

// Registers TFakeSeries by name (once).
void RegisterFakeSeries();

}  // namespace kel::test
