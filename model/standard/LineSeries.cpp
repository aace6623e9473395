#include "model/standard/LineSeries.h"

#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesRows.h"
#include "model/standard/CustomSeriesRows.h"

namespace kel {

namespace sr = series_rows;
namespace cr = custom_series_rows;
using C = TCustomSeries;

KEL_PROPERTIES(TLineSeries, cr::OnGetPointerStyle(), sr::Active(), cr::ColorEachLine(),
               sr::ColorEachPoint(), sr::ColorSource(), sr::Cursor(), sr::Depth(),
               Property(u"Emboss", &C::Emboss, &C::SetEmboss),
               Property(u"Gradient", &C::Gradient, &C::SetGradient), sr::HorizAxis(), sr::Marks(),
               sr::ParentChart(), sr::DataSource(), sr::PercentFormat(), sr::SeriesColor(),
               Property(u"Shadow", &C::Shadow, &C::SetShadow), sr::ShowInLegend(), cr::Stacked(),
               sr::Title(), sr::ValueFormat(), sr::VertAxis(), sr::XLabelsSource(),
               sr::AfterDrawValues(), sr::BeforeDrawValues(), sr::OnAfterAdd(), sr::OnBeforeAdd(),
               sr::OnClearValues(), sr::OnClick(), sr::OnDblClick(), sr::OnGetMarkText(),
               sr::OnMouseEnter(), sr::OnMouseLeave(), Property(u"Brush", &C::Brush, &C::SetBrush),
               cr::ClickableLine(), cr::ClickTolerance(), cr::Dark3D(), cr::DrawStyle(),
               cr::InflateMargins(), cr::InvertedStairs(),
               Property(u"LineBrush", &C::LineBrush, &C::SetLineBrush).Default(bsSolid),
               Property(u"LineHeight", &C::FLineHeight, &C::FLineHeight).Default(0), cr::LinePen(),
               Property(u"OutLine", &C::OutLine, &C::SetOutLine), cr::Pointer(),
               cr::PointerBehind(), cr::Stairs(), cr::TreatNulls(), sr::XValues(), sr::YValues(),
               sr::Transparency(), cr::OnClickPointer())

TLineSeries::TLineSeries(TComponent* owner) : TCustomSeries(owner) {
  FDrawLine = true;
  AllowSinglePoint = false;
  Pointer()->SetVisible(false);
  Pointer()->DefaultVisible = false;
  DrawBetweenPoints = true;
}

KEL_PROPERTIES(THorizLineSeries)

THorizLineSeries::THorizLineSeries(TComponent* owner) : TLineSeries(owner) {
  SetHorizontal();
}

}  // namespace kel
