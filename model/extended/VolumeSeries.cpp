#include "model/extended/VolumeSeries.h"

#include "model/attributes/Pen.h"

namespace kel {

using V = TVolumeSeries;
KEL_PROPERTIES(TVolumeSeries,
               Published({u"OnGetPointerStyle",
                          u"Active",
                          u"ColorEachPoint",
                          u"ColorSource",
                          u"Cursor",
                          u"HorizAxis",
                          u"Marks",
                          u"ParentChart",
                          u"DataSource",
                          u"PercentFormat",
                          u"SeriesColor",
                          u"ShowInLegend",
                          u"Title",
                          u"Transparency",
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
                          u"LinePen"}),
               Property(u"UseYOrigin", &V::UseYOrigin, &V::SetUseYOrigin).Default(false),
               Property(u"VolumeValues", &V::VolumeValues, &V::SetVolumeValues),
               Published({u"XValues"}),
               Property(u"YOrigin", &V::YOrigin, &V::SetYOrigin))

TVolumeSeries::TVolumeSeries(TComponent* owner) : TCustomSeries(owner) {
  FDrawArea = false;
  FClickableLine = false;
  Pointer()->SetVisible(false);
}

void TVolumeSeries::SetVolumeValues(TChartValueList* value) {
  SetYValues(value);
  Repaint();
}

void TVolumeSeries::SetUseYOrigin(bool value) {
  if (FUseYOrigin == value) return;
  FUseYOrigin = value;
  Repaint();
}

void TVolumeSeries::SetYOrigin(double value) {
  if (FOrigin == value) return;
  FOrigin = value;
  Repaint();
}

void TVolumeSeries::SetSeriesColor(TColor value) {
  inherited::SetSeriesColor(value);
  LinePen()->SetColor(value);
}

void TVolumeSeries::Assign(const TPersistent* source) {
  if (const auto* volume = dynamic_cast<const TVolumeSeries*>(source)) {
    FUseYOrigin = volume->FUseYOrigin;
    FOrigin = volume->FOrigin;
  }
  inherited::Assign(source);
}

}  // namespace kel
