#include "model/standard/PointSeries.h"

#include "model/attributes/Brush.h"
#include "model/series/MarksCallout.h"
#include "model/series/SeriesMarks.h"

namespace kel {

using S = TChartSeries;
using P = TPointSeries;
KEL_PROPERTIES(TPointSeries,
               Published({u"OnGetPointerStyle", u"Active"}),
               // Set, it also makes the pointer's colour automatic.
               Property(u"ColorEachPoint", &S::ColorEachPoint, &P::SetPointColorEachPoint)
                   .NoDefault()
                   .StoredUnlessEqual(&S::DefaultColorEachPoint),
               Published({u"ColorSource",
                          u"Cursor",
                          u"Depth",
                          u"HorizAxis",
                          u"Marks",
                          u"ParentChart",
                          u"DataSource",
                          u"PercentFormat",
                          u"SeriesColor",
                          u"ShowInLegend",
                          u"Stacked",
                          u"Title",
                          u"ValueFormat",
                          u"VertAxis",
                          u"XLabelsSource",
                          u"AfterDrawValues",
                          u"BeforeDrawValues",
                          u"OnAfterAdd",
                          u"OnBeforeAdd",
                          u"OnClearValues",
                          u"OnClick",
                          u"OnDblClick",
                          u"OnGetMarkText",
                          u"OnMouseEnter",
                          u"OnMouseLeave",
                          u"ClickableLine",
                          u"ClickTolerance",
                          u"Pointer"}),
               // Set, it also sets the pointer's transparency.
               Property(u"Transparency", &S::Transparency, &P::SetPointTransparency).Default(0),
               Published({u"XValues", u"YValues", u"OnClickPointer"}))

TPointSeries::TPointSeries(TComponent* owner) : TCustomSeries(owner) {
  FDrawArea = false;
  FDrawLine = false;
  FClickableLine = false;
  TMarksCallout* callout = Marks()->Callout();
  callout->SetLength(0);
  callout->DefaultLength = 0;
}

void TPointSeries::SetPointTransparency(TKelTransparency value) {
  SetTransparency(value);
  Pointer()->SetTransparency(value);
}

void TPointSeries::SetPointColorEachPoint(bool value) {
  SetColorEachPoint(value);
  if (value) Pointer()->Brush()->SetColor(clDefault);
}

}  // namespace kel
