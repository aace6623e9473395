// The base of the line, point and area series: pointer, area brush, outline
// and stacking.
//
// Plain settings that nothing else depends on are fields that the property
// table reads and writes directly; a series is repainted by its chart.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/Brush.h"
#include "model/standard/CustomLineSeries.h"
#include "model/standard/SeriesPointerItems.h"

namespace kel {

class TKelEmboss;
class TKelHiddenPen;
class TKelPen;
class TKelShadow;

KEL_ENUM(TCustomSeriesStack, cssNone, cssOverlap, cssStack, cssStack100)
KEL_ENUM(TCustomSeriesDrawStyle, dsSegments, dsAll, dsCurve)

class TCustomSeries : public TCustomLineSeries {
  KEL_CLASS(TCustomSeries, TCustomLineSeries)

 public:
  explicit TCustomSeries(TComponent* owner);
  ~TCustomSeries() override;

  // Copied into every series of the chart whose class is this one's or an
  // ancestor of it.
  TCustomSeriesStack Stacked() const { return FStacked; }
  void SetStacked(TCustomSeriesStack value);

  TSeriesPointerItems* Pointer() const { return FPointer.get(); }
  void SetPointer(TSeriesPointerItems* value);
  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value);
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value);
  TKelPen* AreaLinesPen() const { return FAreaLinesPen.get(); }
  void SetAreaLinesPen(TKelPen* value);
  // The brush an area is filled with.
  TKelBrush* AreaChartBrush() const { return FAreaBrush.get(); }
  void SetAreaChartBrush(TKelBrush* value);
  // Created on first access.
  TKelHiddenPen* OutLine();
  void SetOutLine(TKelHiddenPen* value);

  // The element brush's style and gradient.
  TBrushStyle LineBrush() const { return Brush()->Style(); }
  void SetLineBrush(TBrushStyle value) { Brush()->SetStyle(value); }
  TKelGradient* Gradient() const;
  void SetGradient(TKelGradient* value);

  // The pointer draws on the series' chart.
  void SetParentChart(TCustomAxisPanel* value) override;

 protected:
  bool FClickableLine = true;
  bool FDrawArea = false;
  bool FDrawLine = false;

 private:
  bool FColorEachLine = true;
  bool FDark3D = true;
  TCustomSeriesDrawStyle FDrawStyle = dsSegments;
  bool FInflateMargins = true;
  int32_t FLineHeight = 0;
  bool FPointerBehind = false;
  TColor FAreaColor = clDefault;
  TMethod FOnClickPointer;
  TMethod FOnGetPointerStyle;
  TCustomSeriesStack FStacked = cssNone;
  std::unique_ptr<TSeriesPointerItems> FPointer;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelShadow> FShadow;
  std::unique_ptr<TKelPen> FAreaLinesPen;
  std::unique_ptr<TKelBrush> FAreaBrush;
  std::unique_ptr<TKelHiddenPen> FOutLine;
};

}  // namespace kel
