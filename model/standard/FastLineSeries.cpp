#include "model/standard/FastLineSeries.h"

#include "model/attributes/Pen.h"

namespace kel {

using F = TFastLineSeries;
KEL_PROPERTIES(TFastLineSeries,
               Published({u"Active",      u"Cursor",        u"Depth",           u"HorizAxis",
                          u"Marks",       u"ParentChart",   u"DataSource",      u"PercentFormat",
                          u"SeriesColor", u"ShowInLegend",  u"Title",           u"ValueFormat",
                          u"VertAxis",    u"XLabelsSource", u"AfterDrawValues", u"BeforeDrawValues",
                          u"OnAfterAdd",  u"OnBeforeAdd",   u"OnClearValues",   u"OnClick",
                          u"OnDblClick",  u"OnGetMarkText", u"OnMouseEnter",    u"OnMouseLeave"}),
               Property(u"AutoRepaint", &F::FAutoRepaint, &F::FAutoRepaint).Default(true),
               Published({u"ClickTolerance"}),
               Property(u"DrawAllPoints", &F::FDrawAllPoints, &F::FDrawAllPoints).Default(true),
               Property(u"DrawAllPointsStyle", &F::FDrawAllPointsStyle, &F::FDrawAllPointsStyle)
                   .Default(daFirst),
               Property(u"DrawStyle", &F::FDrawStyle, &F::FDrawStyle).Default(flSegments),
               Property(u"FastPen", &F::FFastPen, &F::FFastPen).Default(false),
               Property(u"IgnoreNulls", &F::FIgnoreNulls, &F::FIgnoreNulls).Default(true),
               Published({u"InvertedStairs", u"LinePen", u"Stairs"}),
               Redeclared(u"TreatNulls").Default(tnIgnore),
               Published({u"XValues", u"YValues"}))

TFastLineSeries::TFastLineSeries(TComponent* owner) : TCustomLineSeries(owner) {
  Pen()->SetColor(clDefault);
  AllowSinglePoint = false;
  DrawBetweenPoints = true;
  FTreatNulls = tnIgnore;
}

void TFastLineSeries::SetSeriesColor(TColor value) {
  inherited::SetSeriesColor(value);
  Pen()->SetColor(value);
}

void TFastLineSeries::SetAutomaticColor(TColor value) {
  inherited::SetAutomaticColor(value);
  Pen()->SetColor(value);
}

void TFastLineSeries::SetPen(TKelPen* value) {
  inherited::SetPen(value);
  SetSeriesColor(Pen()->Color());
}

void TFastLineSeries::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  // The chart assigns an automatic series its colour while attaching it.
  if (value != nullptr && SeriesColor() == clDefault) Pen()->SetColor(EffectiveColor());
}

}  // namespace kel
