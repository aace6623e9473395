// The Gantt series: task bars from a start to an end on one row, each with a
// link to the next task.
#pragma once

#include <memory>
#include <string>

#include "model/standard/PointSeries.h"

namespace kel {

class TMarksCallout;

class TGanttSeries : public TPointSeries {
  KEL_CLASS(TGanttSeries, TPointSeries)

 public:
  explicit TGanttSeries(TComponent* owner);
  ~TGanttSeries() override;

  // The X list under the name the task bars give it.
  TChartValueList* StartValues() const { return XValues(); }
  void SetStartValues(TChartValueList* value);
  TChartValueList* EndValues() const { return FEndValues; }
  void SetEndValues(TChartValueList* value);
  // The index of each task's next task; -1 for none.
  TChartValueList* NextTask() const { return FNextTask; }
  void SetNextTask(TChartValueList* value);
  // Created on first access.
  TMarksCallout* Callout();
  void SetCallout(TMarksCallout* value);
  // The line pen, which connects a task to its next one.
  TKelPen* ConnectingPen() const { return LinePen(); }
  void SetConnectingPen(TKelPen* value) { SetLinePen(value); }

  int AddGantt(double start, double end, double y, const std::u16string& label = {});
  int AddGanttColor(double start, double end, double y, const std::u16string& label, TColor color);
  // Points added this way have no next task until one is set.
  int AddXY(double x, double y, const std::u16string& label = {}, TColor color = clDefault);
  int Add(double value, const std::u16string& label = {}, TColor color = clDefault);

  bool AcceptsPointsOf(const TChartSeries& source) const override;
  void Assign(const TPersistent* source) override;

 private:
  TChartValueList* FEndValues;
  TChartValueList* FNextTask;
  std::unique_ptr<TMarksCallout> FCallout;
};

}  // namespace kel
