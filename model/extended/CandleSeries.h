// The candle series: trading periods drawn as candles, bars or lines.
#pragma once

#include <cstdint>
#include <memory>

#include "model/extended/OHLCSeries.h"

namespace kel {

class TKelGradient;
class TKelPen;

KEL_ENUM(TCandleBorderColor, cbUseColor, cbSameAsCandle)
KEL_ENUM(TCandleStyle, csCandleStick, csCandleBar, csOpenClose, csLine)
KEL_ENUM(TCandleColorStyle, cssRelativeToOpen, cssRelativeToClose)

class TCandleSeries : public TOHLCSeries {
  KEL_CLASS(TCandleSeries, TOHLCSeries)

 public:
  explicit TCandleSeries(TComponent* owner);
  ~TCandleSeries() override;

  // A line hides the pointer; every other style shows it.
  TCandleStyle CandleStyle() const { return FCandleStyle; }
  void SetCandleStyle(TCandleStyle value);
  bool RemoveGaps() const { return FRemoveGaps; }
  void SetRemoveGaps(bool value);

  // The start colours of the two gradients.
  TColor UpCloseColor() const;
  void SetUpCloseColor(TColor value);
  TColor DownCloseColor() const;
  void SetDownCloseColor(TColor value);
  TKelGradient* UpCloseGradient() const { return FUpClose.get(); }
  void SetUpCloseGradient(TKelGradient* value);
  TKelGradient* DownCloseGradient() const { return FDownClose.get(); }
  void SetDownCloseGradient(TKelGradient* value);
  TKelPen* HighLowPen() const { return FHighLowPen.get(); }
  void SetHighLowPen(TKelPen* value);

  // The pointer's settings under the candle's names.
  bool Draw3D() const { return Pointer()->Draw3D(); }
  void SetDraw3D(bool value) { Pointer()->SetDraw3D(value); }
  bool Dark3D() const { return Pointer()->Dark3D(); }
  void SetDark3D(bool value) { Pointer()->SetDark3D(value); }
  TKelPen* CandlePen() const { return Pointer()->Pen(); }
  void SetCandlePen(TKelPen* value);

  int AddCandle(double date,
                double open,
                double high,
                double low,
                double close,
                const std::u16string& label = {},
                TColor color = clDefault);

  void Assign(const TPersistent* source) override;

 private:
  bool FAutoSize = true;
  TCandleBorderColor FBorderColor = cbUseColor;
  TCandleStyle FCandleStyle = csCandleStick;
  int32_t FCandleWidth = 4;
  TCandleColorStyle FColorStyle = cssRelativeToOpen;
  std::unique_ptr<TKelGradient> FDownClose;
  std::unique_ptr<TKelGradient> FUpClose;
  TCandleBorderColor FHighLowColor = cbUseColor;
  std::unique_ptr<TKelPen> FHighLowPen;
  TColor FOpenTickColor = clNone;
  TColor FCloseTickColor = clNone;
  bool FRemoveGaps = false;
  bool FShowCloseTick = true;
  bool FShowOpenTick = true;
};

}  // namespace kel
