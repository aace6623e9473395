// The chart's tool and animation lists seen as lists of tools: adding
// attaches to the chart, clearing frees.
#pragma once

#include <vector>

#include "model/chart/AxisPanel.h"
#include "model/tools/KelCustomTool.h"

namespace kel {

class TChartTools {
 public:
  explicit TChartTools(TCustomAxisPanel& chart) : FChart(chart) {}

  int Count() const;
  TKelCustomTool* Items(int index) const;
  // Attaches tool to the chart, which appends it.
  TKelCustomTool* Add(TKelCustomTool* tool);
  // Creates a tool of the class, owned by the chart, and adds it.
  template <class Tool>
  Tool* Add() {
    auto* tool = new Tool(&FChart);
    Add(tool);
    return tool;
  }
  // Frees every tool; each leaves the list as it goes.
  void Clear();
  // Sets Active of every tool.
  void SetActive(bool value);

 protected:
  TCustomAxisPanel& FChart;

 private:
  virtual const std::vector<TComponent*>& Members() const;
  virtual void Remove(TComponent* member);
};

class TChartAnimations : public TChartTools {
 public:
  using TChartTools::TChartTools;

  TKelCustomAnimation* Get(int index) const;
  TKelCustomAnimation* Add(TKelCustomAnimation* animation);
  // Creates an animation of the class, owned by the chart's own owner.
  template <class Animation>
  Animation* AddClass() {
    auto* animation = new Animation(FChart.Owner());
    Add(animation);
    return animation;
  }

 private:
  const std::vector<TComponent*>& Members() const override;
  void Remove(TComponent* member) override;
};

}  // namespace kel
