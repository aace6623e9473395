#include "model/standard/AreaSeries.h"

#include "model/attributes/Gradient.h"

namespace kel {

using A = TAreaSeries;
KEL_PROPERTIES(TAreaSeries,
               Published({u"OnGetPointerStyle", u"Active", u"ColorEachLine", u"ColorEachPoint",
                          u"ColorSource", u"Cursor", u"Depth"}),
               // The area brush's gradient.
               Property(u"Gradient", &A::AreaGradient, &A::SetAreaGradient),
               Published({u"HorizAxis",        u"Marks",       u"ParentChart",   u"DataSource",
                          u"PercentFormat",    u"SeriesColor", u"ShowInLegend",  u"Title",
                          u"ValueFormat",      u"VertAxis",    u"XLabelsSource", u"AfterDrawValues",
                          u"BeforeDrawValues", u"OnAfterAdd",  u"OnBeforeAdd",   u"OnClearValues",
                          u"OnClick",          u"OnDblClick",  u"OnGetMarkText", u"OnMouseEnter",
                          u"OnMouseLeave"}),
               Property(u"AreaBrush", &A::AreaBrush, &A::SetAreaBrush).Default(bsSolid),
               Published({u"AreaChartBrush", u"AreaColor", u"AreaLinesPen", u"ClickableLine",
                          u"ClickTolerance", u"Dark3D", u"DrawArea", u"DrawStyle",
                          u"InflateMargins", u"InvertedStairs", u"LinePen"}),
               Property(u"MultiArea", &A::MultiArea, &A::SetMultiArea).Default(maNone),
               Published({u"Pointer", u"PointerBehind", u"Stairs"}),
               Property(u"StackGroup", &A::FStackGroup, &A::FStackGroup).Default(0),
               Published({u"Transparency", u"TreatNulls"}),
               Property(u"UseYOrigin", &A::FUseYOrigin, &A::FUseYOrigin).Default(false),
               Published({u"XValues"}),
               Property(u"YOrigin", &A::FYOrigin, &A::FYOrigin),
               Published({u"YValues", u"OnClickPointer"}))

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
