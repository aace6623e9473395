#include "model/standard/LineSeries.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesRows.h"
#include "persist/ClassRegistry.h"

namespace kel {

namespace {

using S = TChartSeries;
using L = TCustomLineSeries;
using C = TCustomSeries;

// Rows of the settings that line, point and area series share.
TPropDecl OnGetPointerStyleRow() {
  return Property(u"OnGetPointerStyle", &C::OnGetPointerStyle, &C::OnGetPointerStyle);
}
TPropDecl OnClickPointerRow() {
  return Property(u"OnClickPointer", &C::OnClickPointer, &C::OnClickPointer);
}
TPropDecl ColorEachLineRow() {
  return Property(u"ColorEachLine", &C::FColorEachLine, &C::FColorEachLine).Default(true);
}
TPropDecl ClickableLineRow() {
  return Property(u"ClickableLine", &C::FClickableLine, &C::FClickableLine).Default(true);
}
TPropDecl ClickToleranceRow() {
  return Property(u"ClickTolerance", &L::FClickTolerance, &L::FClickTolerance).Default(0);
}
TPropDecl Dark3DRow() {
  return Property(u"Dark3D", &C::FDark3D, &C::FDark3D).Default(true);
}
TPropDecl DrawStyleRow() {
  return Property(u"DrawStyle", &C::FDrawStyle, &C::FDrawStyle).Default(dsSegments);
}
TPropDecl InflateMarginsRow() {
  return Property(u"InflateMargins", &C::FInflateMargins, &C::FInflateMargins).Default(true);
}
TPropDecl InvertedStairsRow() {
  return Property(u"InvertedStairs", &L::FInvertedStairs, &L::FInvertedStairs).Default(false);
}
TPropDecl LinePenRow() {
  return Property(u"LinePen", &L::LinePen, &L::SetLinePen);
}
TPropDecl PointerRow() {
  return Property(u"Pointer", &C::Pointer, &C::SetPointer);
}
TPropDecl PointerBehindRow() {
  return Property(u"PointerBehind", &C::FPointerBehind, &C::FPointerBehind).Default(false);
}
TPropDecl StackedRow() {
  return Property(u"Stacked", &C::Stacked, &C::SetStacked).Default(cssNone);
}
TPropDecl StairsRow() {
  return Property(u"Stairs", &L::FStairs, &L::FStairs).Default(false);
}
TPropDecl TreatNullsRow() {
  return Property(u"TreatNulls", &L::FTreatNulls, &L::FTreatNulls).Default(tnDontPaint);
}

// Horizontal series: X is the mandatory list, kept in arrival order, and the
// points are placed by Y.
void MakeHorizontal(TChartSeries& series) {
  series.XValues()->SetOrder(loNone);
  series.YValues()->SetOrder(loAscending);
}

}  // namespace

// --- TLineSeries ---

namespace sr = series_rows;

KEL_PROPERTIES(TLineSeries, OnGetPointerStyleRow(), sr::Active(), ColorEachLineRow(),
               sr::ColorEachPoint(), sr::ColorSource(), sr::Cursor(), sr::Depth(),
               Property(u"Emboss", &C::Emboss, &C::SetEmboss),
               Property(u"Gradient", &C::Gradient, &C::SetGradient), sr::HorizAxis(), sr::Marks(),
               sr::ParentChart(), sr::DataSource(), sr::PercentFormat(), sr::SeriesColor(),
               Property(u"Shadow", &C::Shadow, &C::SetShadow), sr::ShowInLegend(), StackedRow(),
               sr::Title(), sr::ValueFormat(), sr::VertAxis(), sr::XLabelsSource(),
               sr::AfterDrawValues(), sr::BeforeDrawValues(), sr::OnAfterAdd(), sr::OnBeforeAdd(),
               sr::OnClearValues(), sr::OnClick(), sr::OnDblClick(), sr::OnGetMarkText(),
               sr::OnMouseEnter(), sr::OnMouseLeave(), Property(u"Brush", &C::Brush, &C::SetBrush),
               ClickableLineRow(), ClickToleranceRow(), Dark3DRow(), DrawStyleRow(),
               InflateMarginsRow(), InvertedStairsRow(),
               Property(u"LineBrush", &C::LineBrush, &C::SetLineBrush).Default(bsSolid),
               Property(u"LineHeight", &C::FLineHeight, &C::FLineHeight).Default(0), LinePenRow(),
               Property(u"OutLine", &C::OutLine, &C::SetOutLine), PointerRow(), PointerBehindRow(),
               StairsRow(), TreatNullsRow(), sr::XValues(), sr::YValues(), sr::Transparency(),
               OnClickPointerRow())

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
  MakeHorizontal(*this);
}

// --- TPointSeries ---

using P = TPointSeries;
KEL_PROPERTIES(TPointSeries, OnGetPointerStyleRow(), sr::Active(),
               Property(u"ColorEachPoint", &S::ColorEachPoint, &P::SetPointColorEachPoint)
                   .NoDefault()
                   .Stored(&S::IsColorEachPointStored),
               sr::ColorSource(), sr::Cursor(), sr::Depth(), sr::HorizAxis(), sr::Marks(),
               sr::ParentChart(), sr::DataSource(), sr::PercentFormat(), sr::SeriesColor(),
               sr::ShowInLegend(), StackedRow(), sr::Title(), sr::ValueFormat(), sr::VertAxis(),
               sr::XLabelsSource(), sr::AfterDrawValues(), sr::BeforeDrawValues(), sr::OnAfterAdd(),
               sr::OnBeforeAdd(), sr::OnClearValues(), sr::OnClick(), sr::OnDblClick(),
               sr::OnGetMarkText(), sr::OnMouseEnter(), sr::OnMouseLeave(), ClickableLineRow(),
               ClickToleranceRow(), PointerRow(),
               Property(u"Transparency", &S::Transparency, &P::SetPointTransparency).Default(0),
               sr::XValues(), sr::YValues(), OnClickPointerRow())

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

// --- TAreaSeries ---

using A = TAreaSeries;
KEL_PROPERTIES(TAreaSeries, OnGetPointerStyleRow(), sr::Active(), ColorEachLineRow(),
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
               Property(u"AreaLinesPen", &C::AreaLinesPen, &C::SetAreaLinesPen), ClickableLineRow(),
               ClickToleranceRow(), Dark3DRow(),
               // Written unless switched off: the writer's default is False.
               Property(u"DrawArea", &C::FDrawArea, &C::FDrawArea).Default(false), DrawStyleRow(),
               InflateMarginsRow(), InvertedStairsRow(), LinePenRow(),
               Property(u"MultiArea", &A::MultiArea, &A::SetMultiArea).Default(maNone),
               PointerRow(), PointerBehindRow(), StairsRow(),
               Property(u"StackGroup", &A::FStackGroup, &A::FStackGroup).Default(0),
               sr::Transparency(), TreatNullsRow(),
               Property(u"UseYOrigin", &A::FUseYOrigin, &A::FUseYOrigin).Default(false),
               sr::XValues(), Property(u"YOrigin", &A::FYOrigin, &A::FYOrigin), sr::YValues(),
               OnClickPointerRow())

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
  MakeHorizontal(*this);
  // Only the value: every horizontal area series writes Gradient.Direction.
  AreaGradient()->SetDirection(gdRightLeft);
}

void RegisterLineSeriesClasses() {
  RegisterClasses({&TLineSeries::StaticClassInfo(), &THorizLineSeries::StaticClassInfo(),
                   &TPointSeries::StaticClassInfo(), &TAreaSeries::StaticClassInfo(),
                   &THorizAreaSeries::StaticClassInfo()});
}

}  // namespace kel
