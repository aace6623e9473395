#include "model/tools/ChartTools.h"

#include "model/chart/AxisPanel.h"

namespace kel {

int TChartTools::Count() const {
  return static_cast<int>(Members().size());
}

TKelCustomTool* TChartTools::Items(int index) const {
  return dynamic_cast<TKelCustomTool*>(Members().at(static_cast<size_t>(index)));
}

TKelCustomTool* TChartTools::Add(TKelCustomTool* tool) {
  tool->AttachToChart(&FChart);
  return tool;
}

void TChartTools::Clear() {
  while (!Members().empty()) {
    TComponent* member = Members().back();
    Remove(member);
    delete member;
  }
}

void TChartTools::SetActive(bool value) {
  for (TComponent* member : Members()) {
    if (auto* tool = dynamic_cast<TKelCustomTool*>(member)) tool->SetActive(value);
  }
}

const std::vector<TComponent*>& TChartTools::Members() const {
  return FChart.Tools();
}

void TChartTools::Remove(TComponent* member) {
  FChart.RemoveTool(member);
}

TKelCustomAnimation* TChartAnimations::Get(int index) const {
  return dynamic_cast<TKelCustomAnimation*>(Items(index));
}

TKelCustomAnimation* TChartAnimations::Add(TKelCustomAnimation* animation) {
  animation->AttachToChart(&FChart);
  return animation;
}

const std::vector<TComponent*>& TChartAnimations::Members() const {
  return FChart.Animations();
}

void TChartAnimations::Remove(TComponent* member) {
  FChart.RemoveAnimation(member);
}

}  // namespace kel
