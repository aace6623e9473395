// The tool base classes: a tool is a chart element that joins its chart's
// Tools list when attached; an animation joins the chart's Animations list
// instead. Tools are children of the chart in a chart file, written after the
// series.
#pragma once

#include <string>

#include "model/chart/ChartElement.h"

namespace kel {

KEL_ENUM(TChartToolEvent, cteAfterDraw, cteBeforeDraw, cteBeforeDrawAxes, cteBeforeDrawSeries)
KEL_ENUM(TChartMouseEvent, cmeDown, cmeMove, cmeUp)

class TKelCustomTool : public TCustomChartElement {
  KEL_CLASS(TKelCustomTool, TCustomChartElement)

 public:
  explicit TKelCustomTool(TComponent* owner);
  // A freed tool leaves its chart's list.
  ~TKelCustomTool() override;

  // Moves the tool from its chart's Tools (if any) to chart's Tools (if any).
  virtual void AttachToChart(TCustomAxisPanel* chart);

  // The reader hands the chart over before it reads the tool's properties: a
  // tool read as a child of a chart joins its Tools in stream order. A tool
  // nested in another tool is bound by that tool instead.
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }

  // Drawing and input hooks; tools that draw or react override them.
  virtual void ChartEvent(TChartToolEvent) {}
  virtual void ChartMouseEvent(TChartMouseEvent, int /*x*/, int /*y*/) {}
  virtual void ChartKeyEvent(int /*key*/) {}
  virtual void ChartGestureEvent() {}
  virtual void ChartWheelEvent(int /*delta*/) {}

  // Copies the element's common settings: activity, brush, pen and
  // ShowInEditor.
  void Assign(const TPersistent* source) override;

  // The texts that galleries and editors show for the tool's class.
  virtual std::u16string Description() const { return {}; }
  virtual std::u16string LongDescription() const { return {}; }

 protected:
  // Binds a sub-tool to chart without it joining the chart's Tools: the
  // sub-tool is saved and loaded only through the tool that owns it.
  static void BindSubTool(TKelCustomTool& subTool, TCustomAxisPanel* chart) {
    subTool.SetParentChart(chart);
  }
};

class TKelCustomAnimation : public TKelCustomTool {
  KEL_CLASS(TKelCustomAnimation, TKelCustomTool)

 public:
  explicit TKelCustomAnimation(TComponent* owner) : TKelCustomTool(owner) {}
  ~TKelCustomAnimation() override;

  // Moves the animation between the charts' Animations lists.
  void AttachToChart(TCustomAxisPanel* chart) override;

  virtual void Play() = 0;
};

}  // namespace kel
