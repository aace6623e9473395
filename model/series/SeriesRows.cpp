#include "model/series/SeriesRows.h"

#include "model/series/ChartSeries.h"
#include "model/series/SeriesMarks.h"

namespace kel::series_rows {

using S = TChartSeries;

TPropDecl Active() {
  return Property(u"Active", &S::Active, &S::SetActive).Default(true);
}

TPropDecl ColorEachPoint() {
  // Classes that start with it set write it when False.
  return Property(u"ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint)
      .NoDefault()
      .Stored(&S::IsColorEachPointStored);
}

TPropDecl ColorSource() {
  return Property(u"ColorSource", &S::ColorSource, &S::SetColorSource);
}

TPropDecl Cursor() {
  return Property(u"Cursor", &S::Cursor, &S::SetCursor).Default(crDefault);
}

TPropDecl Depth() {
  return Property(u"Depth", &S::Depth, &S::SetDepth).Default(-1);
}

TPropDecl HorizAxis() {
  return Property(u"HorizAxis", &S::HorizAxis, &S::SetHorizAxis).Default(aBottomAxis);
}

TPropDecl Marks() {
  return Property(u"Marks", &S::Marks, &S::SetMarks);
}

TPropDecl ParentChart() {
  return Property(u"ParentChart", &S::ParentChartComponent, &S::SetParentChartComponent)
      .Stored(false);
}

TPropDecl DataSource() {
  return Property(u"DataSource", &S::DataSource, &S::SetDataSource).Stored(&S::IsDataSourceStored);
}

TPropDecl PercentFormat() {
  return Property(u"PercentFormat", &S::PercentFormat, &S::SetPercentFormat)
      .Stored(&S::IsPercentFormatStored);
}

TPropDecl SeriesColor() {
  return Property(u"SeriesColor", &S::SeriesColor, &S::SetSeriesColor).Default(clDefault);
}

TPropDecl ShowInLegend() {
  return Property(u"ShowInLegend", &S::ShowInLegend, &S::SetShowInLegend).Default(true);
}

TPropDecl Title() {
  return Property(u"Title", &S::Title, &S::SetTitle);
}

TPropDecl Transparency() {
  return Property(u"Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}

TPropDecl ValueFormat() {
  return Property(u"ValueFormat", &S::ValueFormat, &S::SetValueFormat)
      .Stored(&S::IsValueFormatStored);
}

TPropDecl VertAxis() {
  return Property(u"VertAxis", &S::VertAxis, &S::SetVertAxis).Default(aLeftAxis);
}

TPropDecl XLabelsSource() {
  return Property(u"XLabelsSource", &S::XLabelsSource, &S::SetXLabelsSource);
}

TPropDecl XValues() {
  return Property(u"XValues", &S::XValues, &S::SetXValues);
}

TPropDecl YValues() {
  return Property(u"YValues", &S::YValues, &S::SetYValues);
}

TPropDecl AfterDrawValues() {
  return Property(u"AfterDrawValues", &S::AfterDrawValues, &S::AfterDrawValues);
}

TPropDecl BeforeDrawValues() {
  return Property(u"BeforeDrawValues", &S::BeforeDrawValues, &S::BeforeDrawValues);
}

TPropDecl OnAfterAdd() {
  return Property(u"OnAfterAdd", &S::OnAfterAdd, &S::OnAfterAdd);
}

TPropDecl OnBeforeAdd() {
  return Property(u"OnBeforeAdd", &S::OnBeforeAdd, &S::OnBeforeAdd);
}

TPropDecl OnClearValues() {
  return Property(u"OnClearValues", &S::OnClearValues, &S::OnClearValues);
}

TPropDecl OnClick() {
  return Property(u"OnClick", &S::OnClick, &S::OnClick);
}

TPropDecl OnDblClick() {
  return Property(u"OnDblClick", &S::OnDblClick, &S::OnDblClick);
}

TPropDecl OnGetMarkText() {
  return Property(u"OnGetMarkText", &S::OnGetMarkText, &S::OnGetMarkText);
}

TPropDecl OnMouseEnter() {
  return Property(u"OnMouseEnter", &S::OnMouseEnter, &S::OnMouseEnter);
}

TPropDecl OnMouseLeave() {
  return Property(u"OnMouseLeave", &S::OnMouseLeave, &S::OnMouseLeave);
}

}  // namespace kel::series_rows
