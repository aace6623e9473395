// Named groups of the chart's series, streamed as the chart's SeriesGroups
// collection. A group refers to its members by their index in the chart's
// series list; the indices read from a file become members once the chart
// has loaded its series.
#pragma once

#include <string>
#include <vector>

#include "model/series/SeriesList.h"
#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TSeriesGroupActive, gaYes, gaNo, gaSome)

class TSeriesGroup : public TCollectionItem {
  KEL_CLASS(TSeriesGroup, TCollectionItem)

 public:
  // Named "Group" and the collection's item count at creation.
  explicit TSeriesGroup(TCollection* collection);

  std::u16string FName;
  std::vector<IChartSeries*> Series;

  // gaYes when every member is active (or there is none), gaNo when none is,
  // gaSome otherwise. Setting gaYes or gaNo switches every member.
  TSeriesGroupActive Active() const;
  void SetActive(TSeriesGroupActive value);

  // Turns the indices read from the stream into members, skipping any that
  // is not a decimal index of the list, then forgets them.
  void ResolveSeries(const TChartSeriesList& list);
  // Drops a member that is leaving the chart.
  void RemoveSeries(const IChartSeries* series);

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  std::vector<std::u16string> FStoredSeries;
};

class TSeriesGroups : public TOwnedCollection {
  KEL_CLASS(TSeriesGroups, TOwnedCollection)

 public:
  // list: the chart's series list, which the groups' indices refer to.
  TSeriesGroups(TPersistent* owner, const TChartSeriesList& list);

  const TChartSeriesList& SeriesList() const { return *FList; }
  TSeriesGroup* Group(int index) const { return static_cast<TSeriesGroup*>(Items(index)); }

  void ResolveSeries();
  void RemoveSeries(const IChartSeries* series);

 private:
  const TChartSeriesList* FList;
};

}  // namespace kel
