#include "model/standard/AreaSeries.h"

#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesRows.h"
#include "model/standard/CustomSeriesRows.h"

namespace kel {

namespace sr = series_rows;
namespace cr = custom_series_rows;
using C = TCustomSeries;
using A = TAreaSeries;

KEL_PROPERTIES(TAreaSeries, cr::OnGetPointerStyle(), sr::Active(), cr::ColorEachLine(),
               sr::ColorEachPoint(), sr::ColorSource(), sr::Cursor(), sr::Depth(),
               Property(u"Gradient", &A::AreaGradient, &A::SetAreaGradient), sr::HorizAxis(),
               sr::Marks(), sr::ParentChart(), sr::DataSource(), sr::PercentFormat(),
               sr::SeriesColor(), sr::ShowInLegend(), sr::Title(), sr::ValueFormat(),
               sr::VertAxis(), sr::XLabelsSource(), sr::AfterDrawValues(), sr::BeforeDrawValues(),
               sr::OnAfterAdd(), sr::OnBeforeAdd(), sr::OnClearValues(), sr::OnClick(),
               sr::OnDblClick(), sr::OnGetMarkText(), sr::OnMouseEnter(), sr::OnMouseLeave(),
               Property(u"AreaBrush", &A::AreaBrush, &A::SetAreaBrush).Default(bsSolid),
               Property(u"AreaChartBrush", &C::AreaChartBrush, &C::SetAreaChartBrush),
               Property(u"AreaColor", &C::FAreaColor, &C::FAreaColor).Default(clDefault),
               Property(u"AreaLinesPen", &C::AreaLinesPen, &C::SetAreaLinesPen),
               cr::ClickableLine(), cr::ClickTolerance(), cr::Dark3D(),
               // Written unless switched off: the writer's default is False.
               Property(u"DrawArea", &C::FDrawArea, &C::FDrawArea).Default(false), cr::DrawStyle(),
               cr::InflateMargins(), cr::InvertedStairs(), cr::LinePen(),
               Property(u"MultiArea", &A::MultiArea, &A::SetMultiArea).Default(maNone),
               cr::Pointer(), cr::PointerBehind(), cr::Stairs(),
               Property(u"StackGroup", &A::FStackGroup, &A::FStackGroup).Default(0),
               sr::Transparency(), cr::TreatNulls(),
               Property(u"UseYOrigin", &A::FUseYOrigin, &A::FUseYOrigin).Default(false),
               sr::XValues(), Property(u"YOrigin", &A::FYOrigin, &A::FYOrigin), sr::YValues(),
               cr::OnClickPointer())

TAreaSeries::TAreaSeries(TComponent* owner) : TCustomSeries(owner) {
  FDrawArea = true;
  AllowSinglePoint = false;
  // The default flag stays True, so every area series writes Pointer.Visible.
  Pointer()->SetVisible(false);
  DrawBetweenPoints = true;
}

TMultiArea TAreaSeries::MultiArea() const {
  switch (Stacked()) {
    case cssStack:
      return maStacked;
    case cssStack100:
      return maStacked100;
    default:
      return maNone;
  }
}

void TAreaSeries::SetMultiArea(TMultiArea value) {
  if (value == MultiArea()) return;
  switch (value) {
    case maNone:
      SetStacked(cssNone);
      break;
    case maStacked:
      SetStacked(cssStack);
      break;
    case maStacked100:
      SetStacked(cssStack100);
      break;
  }
}

TKelGradient* TAreaSeries::AreaGradient() const {
  return AreaChartBrush()->Gradient();
}

void TAreaSeries::SetAreaGradient(TKelGradient* value) {
  AreaChartBrush()->SetGradient(value);
}

KEL_PROPERTIES(THorizAreaSeries)

THorizAreaSeries::THorizAreaSeries(TComponent* owner) : TAreaSeries(owner) {
  SetHorizontal();
  // Only the value: every horizontal area series writes Gradient.Direction.
  AreaGradient()->SetDirection(gdRightLeft);
}

}  // namespace kel
