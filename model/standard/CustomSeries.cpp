#include "model/standard/CustomSeries.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/chart/AxisPanel.h"
#include "model/series/SeriesSharing.h"

namespace kel {

namespace {

constexpr TColor kAreaBrushColor = static_cast<TColor>(0x808080);

}  // namespace

// Declared for the line, point and area series to publish.
using C = TCustomSeries;
KEL_PROPERTIES(
    TCustomSeries,
    Declared(Property(u"OnGetPointerStyle", &C::FOnGetPointerStyle, &C::FOnGetPointerStyle)),
    Declared(Property(u"ColorEachLine", &C::FColorEachLine, &C::FColorEachLine).Default(true)),
    Declared(Property(u"Emboss", &C::Emboss, &C::SetEmboss)),
    Declared(Property(u"Gradient", &C::Gradient, &C::SetGradient)),
    Declared(Property(u"Shadow", &C::Shadow, &C::SetShadow)),
    Declared(Property(u"Stacked", &C::Stacked, &C::SetStacked).Default(cssNone)),
    Declared(Property(u"AreaChartBrush", &C::AreaChartBrush, &C::SetAreaChartBrush)),
    Declared(Property(u"AreaColor", &C::FAreaColor, &C::FAreaColor).Default(clDefault)),
    Declared(Property(u"AreaLinesPen", &C::AreaLinesPen, &C::SetAreaLinesPen)),
    Declared(Property(u"ClickableLine", &C::FClickableLine, &C::FClickableLine).Default(true)),
    Declared(Property(u"Dark3D", &C::FDark3D, &C::FDark3D).Default(true)),
    // Written unless switched off: the writer's default is False.
    Declared(Property(u"DrawArea", &C::FDrawArea, &C::FDrawArea).Default(false)),
    Declared(Property(u"DrawStyle", &C::FDrawStyle, &C::FDrawStyle).Default(dsSegments)),
    Declared(Property(u"InflateMargins", &C::FInflateMargins, &C::FInflateMargins).Default(true)),
    Declared(Property(u"LineBrush", &C::LineBrush, &C::SetLineBrush).Default(bsSolid)),
    Declared(Property(u"LineHeight", &C::FLineHeight, &C::FLineHeight).Default(0)),
    Declared(Property(u"OutLine", &C::OutLine, &C::SetOutLine)),
    Declared(Property(u"Pointer", &C::Pointer, &C::SetPointer)),
    Declared(Property(u"PointerBehind", &C::FPointerBehind, &C::FPointerBehind).Default(false)),
    Declared(Property(u"OnClickPointer", &C::FOnClickPointer, &C::FOnClickPointer)))

TCustomSeries::TCustomSeries(TComponent* owner)
    : TCustomLineSeries(owner),
      FPointer(std::make_unique<TSeriesPointerItems>(this)),
      FEmboss(std::make_unique<TKelEmboss>([this] { Repaint(); })),
      FShadow(std::make_unique<TKelShadow>([this] { Repaint(); })),
      FAreaLinesPen(std::make_unique<TKelPen>([this] { Repaint(); })),
      FAreaBrush(std::make_unique<TKelBrush>([this] { Repaint(); })) {
  // Only the values: the area brush keeps clDefault and clNone as the
  // defaults it is written against, the element brush clNone for BackColor.
  FAreaBrush->SetColor(kAreaBrushColor);
  FAreaBrush->SetBackColor(clDefault);
  Brush()->SetColor(clDefault);
  Brush()->SetBackColor(clDefault);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::SetStacked(TCustomSeriesStack value) {
  if (FStacked == value) return;
  FStacked = value;
  ForEachSeriesOfChart(*this, [this](TChartSeries& other) {
    auto* series = dynamic_cast<TCustomSeries*>(&other);
    if (series != nullptr && IsOfOwnOrAncestorClass(*this, other)) series->FStacked = FStacked;
  });
  Repaint();
}

void TCustomSeries::SetPointer(TSeriesPointerItems* value) {
  FPointer->Assign(value);
}

void TCustomSeries::SetEmboss(TKelEmboss* value) {
  FEmboss->Assign(value);
}

void TCustomSeries::SetShadow(TKelShadow* value) {
  FShadow->Assign(value);
}

void TCustomSeries::SetAreaLinesPen(TKelPen* value) {
  FAreaLinesPen->Assign(value);
}

void TCustomSeries::SetAreaChartBrush(TKelBrush* value) {
  FAreaBrush->Assign(value);
}

TKelHiddenPen* TCustomSeries::OutLine() {
  if (!FOutLine) FOutLine = std::make_unique<TKelHiddenPen>([this] { Repaint(); });
  return FOutLine.get();
}

void TCustomSeries::SetOutLine(TKelHiddenPen* value) {
  OutLine()->Assign(value);
}

TKelGradient* TCustomSeries::Gradient() const {
  return Brush()->Gradient();
}

void TCustomSeries::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

void TCustomSeries::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  FPointer->SetParentChart(value);
}

}  // namespace kel
