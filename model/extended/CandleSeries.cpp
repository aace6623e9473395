#include "model/extended/CandleSeries.h"

#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"

namespace kel {

using C = TCandleSeries;
KEL_PROPERTIES(
    TCandleSeries,
    Published({u"Active",          u"ColorEachPoint",   u"ColorSource", u"Cursor",
               u"Depth",           u"HorizAxis",        u"Marks",       u"ParentChart",
               u"DataSource",      u"PercentFormat",    u"SeriesColor", u"ShowInLegend",
               u"Title",           u"ValueFormat",      u"VertAxis",    u"XLabelsSource",
               u"AfterDrawValues", u"BeforeDrawValues", u"OnAfterAdd",  u"OnBeforeAdd",
               u"OnClearValues",   u"OnClick",          u"OnDblClick",  u"OnGetMarkText",
               u"OnMouseEnter",    u"OnMouseLeave"}),
    Property(u"AutoSize", &C::FAutoSize, &C::FAutoSize).Default(true),
    Property(u"BorderColor", &C::FBorderColor, &C::FBorderColor).Default(cbUseColor),
    Property(u"CandleStyle", &C::CandleStyle, &C::SetCandleStyle).Default(csCandleStick),
    Property(u"CandleWidth", &C::FCandleWidth, &C::FCandleWidth).Default(4),
    Property(u"ColorStyle", &C::FColorStyle, &C::FColorStyle).Default(cssRelativeToOpen),
    Property(u"Draw3D", &C::Draw3D, &C::SetDraw3D).Default(true),
    Property(u"Dark3D", &C::Dark3D, &C::SetDark3D).Default(true),
    Property(u"DownCloseColor", &C::DownCloseColor, &C::SetDownCloseColor).Default(clRed),
    Property(u"DownCloseGradient", &C::DownCloseGradient, &C::SetDownCloseGradient),
    Property(u"HighLowColor", &C::FHighLowColor, &C::FHighLowColor).Default(cbUseColor),
    Property(u"HighLowPen", &C::HighLowPen, &C::SetHighLowPen),
    Property(u"OpenTickColor", &C::FOpenTickColor, &C::FOpenTickColor).Default(clNone),
    Property(u"CloseTickColor", &C::FCloseTickColor, &C::FCloseTickColor).Default(clNone),
    Property(u"ShowCloseTick", &C::FShowCloseTick, &C::FShowCloseTick).Default(true),
    Property(u"ShowOpenTick", &C::FShowOpenTick, &C::FShowOpenTick).Default(true),
    Property(u"UpCloseColor", &C::UpCloseColor, &C::SetUpCloseColor).Default(clWhite),
    Property(u"UpCloseGradient", &C::UpCloseGradient, &C::SetUpCloseGradient),
    Property(u"Pen", &C::CandlePen, &C::SetCandlePen),
    Property(u"RemoveGaps", &C::RemoveGaps, &C::SetRemoveGaps).Default(false),
    Published({u"Transparency"}))

TCandleSeries::TCandleSeries(TComponent* owner)
    : TOHLCSeries(owner),
      FDownClose(std::make_unique<TKelGradient>([this] { Repaint(); })),
      FUpClose(std::make_unique<TKelGradient>([this] { Repaint(); })),
      FHighLowPen(std::make_unique<TKelPen>([this] { Repaint(); })) {
  FUpClose->SetStartColor(clWhite);
  FDownClose->SetStartColor(clRed);
  Pointer()->SetDraw3D(true);
  // Values only: the pen is written against its usual defaults.
  FHighLowPen->SetColor(clDefault);
  FHighLowPen->SetEndStyle(esSquare);
}

TCandleSeries::~TCandleSeries() = default;

void TCandleSeries::SetCandleStyle(TCandleStyle value) {
  Pointer()->SetVisible(value != csLine);
  if (FCandleStyle == value) return;
  FCandleStyle = value;
  Repaint();
}

void TCandleSeries::SetRemoveGaps(bool value) {
  if (FRemoveGaps == value) return;
  FRemoveGaps = value;
  Repaint();
}

TColor TCandleSeries::UpCloseColor() const {
  return FUpClose->StartColor();
}

void TCandleSeries::SetUpCloseColor(TColor value) {
  FUpClose->SetStartColor(value);
}

TColor TCandleSeries::DownCloseColor() const {
  return FDownClose->StartColor();
}

void TCandleSeries::SetDownCloseColor(TColor value) {
  FDownClose->SetStartColor(value);
}

void TCandleSeries::SetUpCloseGradient(TKelGradient* value) {
  FUpClose->Assign(value);
}

void TCandleSeries::SetDownCloseGradient(TKelGradient* value) {
  FDownClose->Assign(value);
}

void TCandleSeries::SetHighLowPen(TKelPen* value) {
  FHighLowPen->Assign(value);
}

void TCandleSeries::SetCandlePen(TKelPen* value) {
  Pointer()->Pen()->Assign(value);
}

int TCandleSeries::AddCandle(double date,
                             double open,
                             double high,
                             double low,
                             double close,
                             const std::u16string& label,
                             TColor color) {
  return AddOHLC(date, open, high, low, close, label, color);
}

void TCandleSeries::Assign(const TPersistent* source) {
  if (const auto* candle = dynamic_cast<const TCandleSeries*>(source)) {
    FAutoSize = candle->FAutoSize;
    FBorderColor = candle->FBorderColor;
    FCandleWidth = candle->FCandleWidth;
    FCandleStyle = candle->FCandleStyle;
    FColorStyle = candle->FColorStyle;
    FUpClose->Assign(candle->FUpClose.get());
    FDownClose->Assign(candle->FDownClose.get());
    FHighLowPen->Assign(candle->FHighLowPen.get());
    FHighLowColor = candle->FHighLowColor;
    FShowOpenTick = candle->FShowOpenTick;
    FShowCloseTick = candle->FShowCloseTick;
  }
  inherited::Assign(source);
}

}  // namespace kel
