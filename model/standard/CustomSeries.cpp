#include "model/standard/CustomSeries.h"

#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/chart/AxisPanel.h"
#include "model/series/SeriesSharing.h"

namespace kel {

namespace {

constexpr TColor kAreaBrushColor = static_cast<TColor>(0x808080);

}  // namespace

KEL_PROPERTIES(TCustomSeries)

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
