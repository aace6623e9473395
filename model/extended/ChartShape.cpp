#include "model/extended/ChartShape.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "persist/StringList.h"

namespace kel {

namespace {

constexpr double kFarCorner = 100;

}  // namespace

using Sh = TChartShape;
KEL_PROPERTIES(
    TChartShape,
    Published({u"Active", u"Cursor", u"Depth", u"HorizAxis", u"Marks", u"ParentChart",
               u"SeriesColor", u"ShowInLegend", u"Title", u"VertAxis", u"AfterDrawValues",
               u"BeforeDrawValues", u"OnClick", u"OnDblClick", u"OnGetMarkText"}),
    Property(u"Alignment", &Sh::Alignment, &Sh::SetAlignment).Default(taCenter),
    Published({u"Brush"}),
    Property(u"Font", &Sh::Font, &Sh::SetFont),
    Property(u"Gradient", &Sh::Gradient, &Sh::SetGradient),
    Property(u"Text", &Sh::Text, &Sh::SetText),
    Property(u"Pen", &Sh::Pen, &Sh::SetPen),
    Property(u"RoundRectangle", &Sh::RoundRectangle, &Sh::SetRoundRectangle).Default(false),
    Property(u"Style", &Sh::Style, &Sh::SetStyle).Default(chasCircle),
    Published({u"Transparency"}),
    Property(u"Transparent", &Sh::Transparent, &Sh::SetTransparent).Default(false),
    Property(u"VertAlign", &Sh::VertAlign, &Sh::SetVertAlign).Default(vaCenter),
    Property(u"XYStyle", &Sh::XYStyle, &Sh::SetXYStyle).Default(xysAxis),
    Property(u"X0", &Sh::X0, &Sh::SetX0),
    // The far corner starts at (100, 100): it is written even at 0, so that
    // a corner at 0 survives a save without data.
    Property(u"X1", &Sh::X1, &Sh::SetX1).NoDefault(),
    Property(u"Y0", &Sh::Y0, &Sh::SetY0),
    Property(u"Y1", &Sh::Y1, &Sh::SetY1).NoDefault(),
    Published({u"XValues", u"YValues"}))

TChartShape::TChartShape(TComponent* owner)
    : TChartSeries(owner),
      FFont(std::make_unique<TKelFont>([this] { Repaint(); })),
      FText(std::make_unique<TStringList>()) {
  Brush()->SetColor(clWhite);
  FText->OnChange = [this](TStringList&) { Repaint(); };
  SetSeriesColor(Brush()->Color());
  AddXY(0, 0);
  AddXY(kFarCorner, kFarCorner);
}

TChartShape::~TChartShape() {
  FText->OnChange = nullptr;
}

void TChartShape::EnsurePoints(int count) {
  while (Count() < count) AddXY(0, 0);
}

double TChartShape::Corner(int point, TChartValueList* list) {
  EnsurePoints(point + 1);
  return list->Value(point);
}

void TChartShape::SetCorner(int point, TChartValueList* list, double value) {
  EnsurePoints(point + 1);
  list->SetValue(point, value);
  ManualData = true;
  Repaint();
}

double TChartShape::X0() {
  return Corner(0, XValues());
}

void TChartShape::SetX0(double value) {
  SetCorner(0, XValues(), value);
}

double TChartShape::Y0() {
  return Corner(0, YValues());
}

void TChartShape::SetY0(double value) {
  SetCorner(0, YValues(), value);
}

double TChartShape::X1() {
  return Corner(1, XValues());
}

void TChartShape::SetX1(double value) {
  SetCorner(1, XValues(), value);
}

double TChartShape::Y1() {
  return Corner(1, YValues());
}

void TChartShape::SetY1(double value) {
  SetCorner(1, YValues(), value);
}

void TChartShape::SetAlignment(TAlignment value) {
  if (FAlignment == value) return;
  FAlignment = value;
  Repaint();
}

void TChartShape::SetFont(TKelFont* value) {
  FFont->Assign(value);
}

TKelGradient* TChartShape::Gradient() const {
  return Brush()->Gradient();
}

void TChartShape::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

void TChartShape::SetText(TStrings* value) {
  FText->Assign(value);
}

void TChartShape::SetRoundRectangle(bool value) {
  if (FRoundRectangle == value) return;
  FRoundRectangle = value;
  Repaint();
}

void TChartShape::SetStyle(TChartShapeStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  Repaint();
}

void TChartShape::SetTransparent(bool value) {
  if (FTransparent == value) return;
  FTransparent = value;
  Repaint();
}

void TChartShape::SetVertAlign(TKelVertAlign value) {
  if (FVertAlign == value) return;
  FVertAlign = value;
  Repaint();
}

void TChartShape::SetXYStyle(TChartShapeXYStyle value) {
  if (FXYStyle == value) return;
  FXYStyle = value;
  Repaint();
}

void TChartShape::SetSeriesColor(TColor value) {
  inherited::SetSeriesColor(value);
  Brush()->SetColor(value);
}

void TChartShape::ReadSeriesData(TStream& stream) {
  const TChartListOrder order = XValues()->Order();
  XValues()->SetOrder(loNone);
  try {
    inherited::ReadSeriesData(stream);
  } catch (...) {
    XValues()->SetOrder(order);
    throw;
  }
  XValues()->SetOrder(order);
}

bool TChartShape::AcceptsPointsOf(const TChartSeries& source) const {
  return dynamic_cast<const TChartShape*>(&source) != nullptr;
}

void TChartShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TChartShape*>(source)) {
    FAlignment = shape->FAlignment;
    FFont->Assign(shape->FFont.get());
    FRoundRectangle = shape->FRoundRectangle;
    FStyle = shape->FStyle;
    FTransparent = shape->FTransparent;
    FVertAlign = shape->FVertAlign;
    FText->Assign(shape->FText.get());
    FXYStyle = shape->FXYStyle;
  }
  inherited::Assign(source);
}

}  // namespace kel
