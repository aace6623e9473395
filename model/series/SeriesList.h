// The chart's ordered list of series, and what the chart, its series groups
// and the chart store ask of a series. The series classes implement
// IChartSeries; the list does not own its series (the series' owner does).
#pragma once

#include <vector>

#include "persist/IntegerIdents.h"

namespace kel {

class TComponent;
class TStream;

class IChartSeries {
 public:
  // The series as a component: what the chart writes as its child.
  virtual TComponent& SeriesComponent() = 0;
  virtual bool Active() const = 0;
  virtual void SetActive(bool value) = 0;
  virtual bool ShowInLegend() const = 0;
  // The series' own colour; clDefault while it is automatic.
  virtual TColor SeriesColor() const = 0;
  virtual void SetSeriesColor(TColor value) = 0;
  // The colour the series is drawn with: its own, or the one the chart
  // picked while its own is automatic.
  virtual TColor ColorInUse() const { return SeriesColor(); }
  // Gives a series with an automatic colour the colour the chart picked,
  // which the series does not write back.
  virtual void SetAutomaticColor(TColor value) { SetSeriesColor(value); }
  // Lets go of the series' data source, if any.
  virtual void ClearDataSource() = 0;
  // Replaces the series' values by one data block read from the stream's
  // position (the layout of files that keep values after the component
  // stream), leaving the position after the block.
  virtual void ReadSeriesData(TStream& stream) = 0;
  // Set on series that the chart does not write.
  virtual bool DontSerialize() const = 0;
  // The marks that decide, for the duration of one save, whether the series
  // writes its values.
  virtual void SetForceSaveData(bool value) = 0;
  virtual void SetDontSaveData(bool value) = 0;

 protected:
  ~IChartSeries() = default;
};

class TChartSeriesList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  IChartSeries* operator[](int index) const { return FItems.at(index); }
  int IndexOf(const IChartSeries* series) const;
  // Appends series unless it is already in the list.
  void Add(IChartSeries* series);
  // Removes series when it is in the list; the series is not freed.
  void Remove(IChartSeries* series);
  void Clear() { FItems.clear(); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<IChartSeries*> FItems;
};

}  // namespace kel
