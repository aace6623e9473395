#include "model/standard/PointSeries.h"

#include "model/attributes/Brush.h"
#include "model/series/Callout.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesRows.h"
#include "model/standard/CustomSeriesRows.h"

namespace kel {

namespace sr = series_rows;
namespace cr = custom_series_rows;
using S = TChartSeries;
using P = TPointSeries;

KEL_PROPERTIES(TPointSeries, cr::OnGetPointerStyle(), sr::Active(),
               Property(u"ColorEachPoint", &S::ColorEachPoint, &P::SetPointColorEachPoint)
                   .NoDefault()
                   .Stored(&S::IsColorEachPointStored),
               sr::ColorSource(), sr::Cursor(), sr::Depth(), sr::HorizAxis(), sr::Marks(),
               sr::ParentChart(), sr::DataSource(), sr::PercentFormat(), sr::SeriesColor(),
               sr::ShowInLegend(), cr::Stacked(), sr::Title(), sr::ValueFormat(), sr::VertAxis(),
               sr::XLabelsSource(), sr::AfterDrawValues(), sr::BeforeDrawValues(), sr::OnAfterAdd(),
               sr::OnBeforeAdd(), sr::OnClearValues(), sr::OnClick(), sr::OnDblClick(),
               sr::OnGetMarkText(), sr::OnMouseEnter(), sr::OnMouseLeave(), cr::ClickableLine(),
               cr::ClickTolerance(), cr::Pointer(),
               Property(u"Transparency", &S::Transparency, &P::SetPointTransparency).Default(0),
               sr::XValues(), sr::YValues(), cr::OnClickPointer())

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
