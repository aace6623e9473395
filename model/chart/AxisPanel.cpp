#include "model/chart/AxisPanel.h"

#include <algorithm>

#include "model/series/SeriesGroups.h"
#include "model/titles/ChartPage.h"
#include "persist/Exceptions.h"
#include "persist/Reader.h"

namespace kel {

KEL_PROPERTIES(TCustomAxisPanel)

namespace {

// Frees the members of a tool or animation list, the last first; each is out
// of the list before it goes, so that its own detaching finds nothing to do.
void FreeMembers(std::vector<TComponent*>& list) {
  while (!list.empty()) {
    TComponent* member = list.back();
    list.pop_back();
    delete member;
  }
}

}  // namespace

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner) : TCustomKelPanelExtended(owner) {
  SetAutoRepaint(false);
  FGroups = std::make_unique<TSeriesGroups>(this, FSeriesList);
  FCustomAxes = std::make_unique<TChartCustomAxes>(*this, *this);
  FStandardAxes = CreateStandardAxes(*FCustomAxes);
  FPage = std::make_unique<TChartPage>(this);
  SetAutoRepaint(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
  FreeAllSeries();
  FreeMembers(FTools);
  FreeMembers(FAnimations);
}

void TCustomAxisPanel::AddSeries(IChartSeries* series) {
  if (FSeriesList.IndexOf(series) >= 0) return;
  FSeriesList.Add(series);
  Invalidate();
}

void TCustomAxisPanel::RemoveSeries(IChartSeries* series) {
  RemoveSeries(FSeriesList.IndexOf(series));
}

void TCustomAxisPanel::RemoveSeries(int index) {
  if (index < 0 || index >= FSeriesList.Count()) return;
  IChartSeries* series = FSeriesList[index];
  FSeriesList.Remove(series);
  FGroups->RemoveSeries(series);
  Invalidate();
}

void TCustomAxisPanel::RemoveAllSeries() {
  while (FSeriesList.Count() > 0) RemoveSeries(0);
}

void TCustomAxisPanel::FreeAllSeries() {
  while (FSeriesList.Count() > 0) {
    IChartSeries* series = FSeriesList[FSeriesList.Count() - 1];
    RemoveSeries(series);
    delete &series->SeriesComponent();
  }
}

void TCustomAxisPanel::SetSeriesGroups(TSeriesGroups* value) {
  FGroups->Assign(value);
}

bool TCustomAxisPanel::IsSeriesGroupsStored() const {
  return FGroups->Count() > 0;
}

void TCustomAxisPanel::AddTool(TComponent* tool) {
  if (std::find(FTools.begin(), FTools.end(), tool) == FTools.end()) FTools.push_back(tool);
}

void TCustomAxisPanel::RemoveTool(TComponent* tool) {
  std::erase(FTools, tool);
}

void TCustomAxisPanel::AddAnimation(TComponent* animation) {
  if (std::find(FAnimations.begin(), FAnimations.end(), animation) == FAnimations.end()) {
    FAnimations.push_back(animation);
  }
}

void TCustomAxisPanel::RemoveAnimation(TComponent* animation) {
  std::erase(FAnimations, animation);
}

void TCustomAxisPanel::SetPages(TChartPage* value) {
  FPage->Assign(value);
}

void TCustomAxisPanel::SetChart3DPercent(int32_t value) {
  if (value < kMin3DPercent || value > kMax3DPercent) {
    throw Exception("3D effect percent must be between " + std::to_string(kMin3DPercent) + " and " +
                    std::to_string(kMax3DPercent));
  }
  if (F3DPercent == value) return;
  F3DPercent = value;
  Invalidate();
}

void TCustomAxisPanel::SetView3DWalls(bool visible) {
  if (FView3DWalls == visible) return;
  FView3DWalls = visible;
  Invalidate();
}

bool TCustomAxisPanel::SeriesBounds(const TChartAxis&, double&, double&) {
  // No series in the list uses an axis before the series classes fill in
  // their values.
  return false;
}

int TCustomAxisPanel::PageCountFor(int) {
  return 1;
}

void TCustomAxisPanel::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  for (IChartSeries* series : FSeriesList) {
    if (!series->DontSerialize()) proc(&series->SeriesComponent());
  }
  for (TComponent* tool : FTools) proc(tool);
  for (TComponent* animation : FAnimations) proc(animation);
}

void TCustomAxisPanel::ClearContents() {
  for (IChartSeries* series : FSeriesList) series->ClearDataSource();
  FreeAllSeries();
  FSeriesList.Clear();
  FreeMembers(FTools);
  FreeMembers(FAnimations);
  for (int i = 0; i < FAxes.Count(); ++i) FAxes.Items(i)->Items().Clear();
  for (int i = 0; i < FAxes.Count(); ++i) FAxes.Items(i)->SetAutomatic(true);
}

void TCustomAxisPanel::Assign(const TPersistent* source) {
  if (const auto* panel = dynamic_cast<const TCustomAxisPanel*>(source)) {
    F3DPercent = panel->F3DPercent;
    FAxisBehind = panel->FAxisBehind;
    FAxisVisible = panel->FAxisVisible;
    BottomAxis()->Assign(panel->BottomAxis());
    TopAxis()->Assign(panel->TopAxis());
    LeftAxis()->Assign(panel->LeftAxis());
    RightAxis()->Assign(panel->RightAxis());
    DepthAxis()->Assign(panel->DepthAxis());
    DepthTopAxis()->Assign(panel->DepthTopAxis());
    FClipPoints = panel->FClipPoints;
    ColorPalette = panel->ColorPalette;
    FCustomAxes->Assign(panel->FCustomAxes.get());
    FPage->Assign(panel->FPage.get());
    FView3DWalls = panel->FView3DWalls;
  }
  inherited::Assign(source);
}

void TCustomAxisPanel::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"MaxPointsPerPage",
      [this](TReader& reader) { FPage->SetMaxPointsPerPage(reader.ReadInteger()); }, nullptr,
      false);
  filer.DefineProperty(
      u"Page", [this](TReader& reader) { FPage->SetCurrent(reader.ReadInteger()); }, nullptr,
      false);
  filer.DefineProperty(
      u"ScaleLastPage", [this](TReader& reader) { FPage->FScaleLastPage = reader.ReadBoolean(); },
      nullptr, false);
}

void TCustomAxisPanel::LoadFinished() {
  inherited::LoadFinished();
  FGroups->ResolveSeries();
}

}  // namespace kel
