#include "model/standard/LineSeries.h"

namespace kel {

KEL_PROPERTIES(TLineSeries,
               Published({u"OnGetPointerStyle",
                          u"Active",
                          u"ColorEachLine",
                          u"ColorEachPoint",
                          u"ColorSource",
                          u"Cursor",
                          u"Depth",
                          u"Emboss",
                          u"Gradient",
                          u"HorizAxis",
                          u"Marks",
                          u"ParentChart",
                          u"DataSource",
                          u"PercentFormat",
                          u"SeriesColor",
                          u"Shadow",
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
                          u"Brush",
                          u"ClickableLine",
                          u"ClickTolerance",
                          u"Dark3D",
                          u"DrawStyle",
                          u"InflateMargins",
                          u"InvertedStairs",
                          u"LineBrush",
                          u"LineHeight",
                          u"LinePen",
                          u"OutLine",
                          u"Pointer",
                          u"PointerBehind",
                          u"Stairs",
                          u"TreatNulls",
                          u"XValues",
                          u"YValues",
                          u"Transparency",
                          u"OnClickPointer"}))

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
