#include "model/standard/CustomSeriesRows.h"

#include "model/attributes/Pen.h"
#include "model/standard/CustomSeries.h"

namespace kel::custom_series_rows {

using L = TCustomLineSeries;
using C = TCustomSeries;

TPropDecl OnGetPointerStyle() {
  return Property(u"OnGetPointerStyle", &C::OnGetPointerStyle, &C::OnGetPointerStyle);
}

TPropDecl OnClickPointer() {
  return Property(u"OnClickPointer", &C::OnClickPointer, &C::OnClickPointer);
}

TPropDecl ColorEachLine() {
  return Property(u"ColorEachLine", &C::FColorEachLine, &C::FColorEachLine).Default(true);
}

TPropDecl ClickableLine() {
  return Property(u"ClickableLine", &C::FClickableLine, &C::FClickableLine).Default(true);
}

TPropDecl ClickTolerance() {
  return Property(u"ClickTolerance", &L::FClickTolerance, &L::FClickTolerance).Default(0);
}

TPropDecl Dark3D() {
  return Property(u"Dark3D", &C::FDark3D, &C::FDark3D).Default(true);
}

TPropDecl DrawStyle() {
  return Property(u"DrawStyle", &C::FDrawStyle, &C::FDrawStyle).Default(dsSegments);
}

TPropDecl InflateMargins() {
  return Property(u"InflateMargins", &C::FInflateMargins, &C::FInflateMargins).Default(true);
}

TPropDecl InvertedStairs() {
  return Property(u"InvertedStairs", &L::FInvertedStairs, &L::FInvertedStairs).Default(false);
}

TPropDecl LinePen() {
  return Property(u"LinePen", &L::LinePen, &L::SetLinePen);
}

TPropDecl Pointer() {
  return Property(u"Pointer", &C::Pointer, &C::SetPointer);
}

TPropDecl PointerBehind() {
  return Property(u"PointerBehind", &C::FPointerBehind, &C::FPointerBehind).Default(false);
}

TPropDecl Stacked() {
  return Property(u"Stacked", &C::Stacked, &C::SetStacked).Default(cssNone);
}

TPropDecl Stairs() {
  return Property(u"Stairs", &L::FStairs, &L::FStairs).Default(false);
}

TPropDecl TreatNulls() {
  return Property(u"TreatNulls", &L::FTreatNulls, &L::FTreatNulls).Default(tnDontPaint);
}

}  // namespace kel::custom_series_rows
