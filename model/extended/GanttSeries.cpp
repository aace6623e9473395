#include "model/extended/GanttSeries.h"

#include "model/attributes/Pen.h"
#include "model/series/MarksCallout.h"

namespace kel {

namespace {

constexpr double kNoNextTask = -1;

}  // namespace

using G = TGanttSeries;
KEL_PROPERTIES(TGanttSeries,
               Property(u"Callout", &G::Callout, &G::SetCallout),
               Property(u"ConnectingPen", &G::ConnectingPen, &G::SetConnectingPen),
               Property(u"StartValues", &G::StartValues, &G::SetStartValues),
               Property(u"EndValues", &G::EndValues, &G::SetEndValues),
               Property(u"NextTask", &G::NextTask, &G::SetNextTask))

TGanttSeries::TGanttSeries(TComponent* owner)
    : TPointSeries(owner), FEndValues(nullptr), FNextTask(nullptr) {
  // The start is the point's value and the row its position, as in a
  // horizontal series, but the starts keep their ascending order.
  SetHorizontal();
  XValues()->SetOrder(loAscending);
  YValues()->SetOrder(loNone);
  FClickableLine = false;
  XValues()->SetName(u"Start");
  XValues()->AssignDefaultDateTime(true);
  SetColorEachPoint(true);
  DefaultColorEachPoint = true;
  FEndValues = AddValueList(u"End");
  FEndValues->AssignDefaultDateTime(true);
  FNextTask = AddValueList(u"NextTask");
  // Also for points added through the series base's other operations.
  FNextTask->TempValue = kNoNextTask;
  Pointer()->SetStyle(psRectangle);
}

TGanttSeries::~TGanttSeries() = default;

void TGanttSeries::SetStartValues(TChartValueList* value) {
  SetXValues(value);
  Repaint();
}

void TGanttSeries::SetEndValues(TChartValueList* value) {
  FEndValues->Assign(value);
  Repaint();
}

void TGanttSeries::SetNextTask(TChartValueList* value) {
  FNextTask->Assign(value);
  Repaint();
}

TMarksCallout* TGanttSeries::Callout() {
  if (!FCallout) {
    FCallout = std::make_unique<TMarksCallout>(this);
    FCallout->SetStyle(psRightTriangle);
    FCallout->Arrow()->SetVisible(false);
  }
  return FCallout.get();
}

void TGanttSeries::SetCallout(TMarksCallout* value) {
  Callout()->Assign(value);
}

int TGanttSeries::AddGantt(double start, double end, double y, const std::u16string& label) {
  return AddGanttColor(start, end, y, label, clDefault);
}

int TGanttSeries::AddGanttColor(
    double start, double end, double y, const std::u16string& label, TColor color) {
  FEndValues->TempValue = end;
  return AddXY(start, y, label, color);
}

int TGanttSeries::AddXY(double x, double y, const std::u16string& label, TColor color) {
  FNextTask->TempValue = kNoNextTask;
  return inherited::AddXY(x, y, label, color);
}

int TGanttSeries::Add(double value, const std::u16string& label, TColor color) {
  return AddXY(value, YValues()->Count(), label, color);
}

bool TGanttSeries::AcceptsPointsOf(const TChartSeries& source) const {
  return dynamic_cast<const TGanttSeries*>(&source) != nullptr;
}

void TGanttSeries::Assign(const TPersistent* source) {
  if (const auto* gantt = dynamic_cast<const TGanttSeries*>(source)) {
    ConnectingPen()->Assign(gantt->ConnectingPen());
    if (gantt->FCallout) {
      Callout()->Assign(gantt->FCallout.get());
    } else {
      FCallout.reset();
    }
  }
  inherited::Assign(source);
}

}  // namespace kel
