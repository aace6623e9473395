// The third class of the chart's chain: the series list and groups, the axes,
// the tools and animations, the page settings and the 3D percent.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "model/axes/AxisChart.h"
#include "model/axes/ChartAxes.h"
#include "model/axes/ChartCustomAxes.h"
#include "model/axes/StandardAxes.h"
#include "model/base/ChartLink.h"
#include "model/chart/ChartPalette.h"
#include "model/chart/KelPanel.h"
#include "model/series/SeriesList.h"

namespace kel {

class TChartPage;
class TSeriesGroups;

// The lowest and highest 3D effect percent.
inline constexpr int32_t kMin3DPercent = 1;
inline constexpr int32_t kMax3DPercent = 100;

class TCustomAxisPanel : public TCustomKelPanelExtended, public IAxisChart, public IChartLink {
  KEL_CLASS(TCustomAxisPanel, TCustomKelPanelExtended)

 public:
  explicit TCustomAxisPanel(TComponent* owner);
  ~TCustomAxisPanel() override;

  // --- Series ---
  int SeriesCount() const override { return FSeriesList.Count(); }
  IChartSeries* Series(int index) const { return FSeriesList[index]; }
  const TChartSeriesList& SeriesList() const { return FSeriesList; }
  // The chart's side of attaching a series: appends it (once) and repaints.
  void AddSeries(IChartSeries* series);
  // The chart's side of detaching a series: removes it from the list and the
  // groups, without freeing it.
  void RemoveSeries(IChartSeries* series);
  void RemoveSeries(int index);
  void RemoveAllSeries();
  // Frees every series: each is first detached, then freed.
  void FreeAllSeries();
  TSeriesGroups* SeriesGroups() const { return FGroups.get(); }
  void SetSeriesGroups(TSeriesGroups* value);
  bool IsSeriesGroupsStored() const;

  // --- Tools and animations: children that attach and detach themselves ---
  const std::vector<TComponent*>& Tools() const { return FTools; }
  void AddTool(TComponent* tool);
  void RemoveTool(TComponent* tool);
  const std::vector<TComponent*>& Animations() const { return FAnimations; }
  void AddAnimation(TComponent* animation);
  void RemoveAnimation(TComponent* animation);

  // --- Axes ---
  TChartAxes& Axes() override { return FAxes; }
  TChartAxis* BottomAxis() const { return FStandardAxes.Bottom.get(); }
  TChartAxis* TopAxis() const { return FStandardAxes.Top.get(); }
  TChartAxis* LeftAxis() const { return FStandardAxes.Left.get(); }
  TChartAxis* RightAxis() const { return FStandardAxes.Right.get(); }
  TChartDepthAxis* DepthAxis() const { return FStandardAxes.Depth.get(); }
  TChartDepthAxis* DepthTopAxis() const { return FStandardAxes.DepthTop.get(); }
  void SetBottomAxis(TChartAxis* value) { BottomAxis()->Assign(value); }
  void SetTopAxis(TChartAxis* value) { TopAxis()->Assign(value); }
  void SetLeftAxis(TChartAxis* value) { LeftAxis()->Assign(value); }
  void SetRightAxis(TChartAxis* value) { RightAxis()->Assign(value); }
  void SetDepthAxis(TChartDepthAxis* value) { DepthAxis()->Assign(value); }
  void SetDepthTopAxis(TChartDepthAxis* value) { DepthTopAxis()->Assign(value); }
  TChartCustomAxes* CustomAxes() const { return FCustomAxes.get(); }
  void SetCustomAxes(TChartCustomAxes* value) { FCustomAxes->Assign(value); }
  bool IsCustomAxesStored() const { return FCustomAxes->Count() > 0; }

  TChartPage* Pages() const { return FPage.get(); }
  void SetPages(TChartPage* value);

  int32_t Chart3DPercent() const { return F3DPercent; }
  // Raises "3D effect percent must be between 1 and 100" outside that range.
  void SetChart3DPercent(int32_t value);

  bool FAxisBehind = true;
  bool FAxisVisible = true;
  bool FClipPoints = true;
  // The colours that series with an automatic colour take, in order; empty
  // means the process-wide default palette.
  TColorArray ColorPalette;

  // --- What the chart's parts ask of it ---
  bool IsLoading() const override { return ComponentState().Contains(csLoading); }
  bool IsReading() const override { return ComponentState().Contains(csReading); }
  bool SeriesBounds(const TChartAxis& axis, double& minimum, double& maximum) override;
  void Invalidate() override { TCustomKelPanel::Invalidate(); }
  TCustomKelPanel* ShapePanel() override { return this; }
  bool SeriesActive(int index) const override { return FSeriesList[index]->Active(); }
  void SetSeriesActive(int index, bool active) override { FSeriesList[index]->SetActive(active); }
  bool SeriesShownInLegend(int index) const override { return FSeriesList[index]->ShowInLegend(); }
  int PageCountFor(int pointsPerPage) override;
  void PageChanged() override { Invalidate(); }
  bool View3DWalls() const override { return FView3DWalls; }
  void SetView3DWalls(bool visible) override;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  void LoadFinished() override;

 protected:
  // Empties the series, tool and animation lists, freeing their members, and
  // resets every axis to automatic scaling without custom labels.
  void ClearContents();

 private:
  // The axis list outlives the axes, which remove themselves from it.
  TChartAxes FAxes;
  TChartSeriesList FSeriesList;
  std::unique_ptr<TSeriesGroups> FGroups;
  std::vector<TComponent*> FTools;
  std::vector<TComponent*> FAnimations;
  std::unique_ptr<TChartCustomAxes> FCustomAxes;
  TStandardAxes FStandardAxes;
  std::unique_ptr<TChartPage> FPage;
  int32_t F3DPercent = 15;
  bool FView3DWalls = true;
};

}  // namespace kel
