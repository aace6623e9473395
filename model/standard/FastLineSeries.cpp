#include "model/standard/FastLineSeries.h"

#include "model/attributes/Pen.h"
#include "model/series/SeriesRows.h"

namespace kel {

namespace sr = series_rows;
using F = TFastLineSeries;
KEL_PROPERTIES(TFastLineSeries, sr::Active(), sr::Cursor(), sr::Depth(), sr::HorizAxis(),
               sr::Marks(), sr::ParentChart(), sr::DataSource(), sr::PercentFormat(),
               sr::SeriesColor(), sr::ShowInLegend(), sr::Title(), sr::ValueFormat(),
               sr::VertAxis(), sr::XLabelsSource(), sr::AfterDrawValues(), sr::BeforeDrawValues(),
               sr::OnAfterAdd(), sr::OnBeforeAdd(), sr::OnClearValues(), sr::OnClick(),
               sr::OnDblClick(), sr::OnGetMarkText(), sr::OnMouseEnter(), sr::OnMouseLeave(),
               Property(u"AutoRepaint", &F::FAutoRepaint, &F::FAutoRepaint).Default(true),
               Property(u"ClickTolerance", &F::FClickTolerance, &F::FClickTolerance).Default(0),
               Property(u"DrawAllPoints", &F::FDrawAllPoints, &F::FDrawAllPoints).Default(true),
               Property(u"DrawAllPointsStyle", &F::FDrawAllPointsStyle, &F::FDrawAllPointsStyle)
                   .Default(daFirst),
               Property(u"DrawStyle", &F::FDrawStyle, &F::FDrawStyle).Default(flSegments),
               Property(u"FastPen", &F::FFastPen, &F::FFastPen).Default(false),
               Property(u"IgnoreNulls", &F::FIgnoreNulls, &F::FIgnoreNulls).Default(true),
               Property(u"InvertedStairs", &F::FInvertedStairs, &F::FInvertedStairs).Default(false),
               Property(u"LinePen", &F::LinePen, &F::SetLinePen),
               Property(u"Stairs", &F::FStairs, &F::FStairs).Default(false),
               Property(u"TreatNulls", &F::FTreatNulls, &F::FTreatNulls).Default(tnIgnore),
               sr::XValues(), sr::YValues())

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
