// The chart: the last classes of the chain (titles, legend, walls and colour
// palette; then TChart, which publishes the whole list) and the two chart
// classes that only exist so that files naming them can be read.
#pragma once

#include <cstdint>
#include <memory>

#include "model/chart/AxisPanel.h"

namespace kel {

class TChartBackWall;
class TChartBottomWall;
class TChartLeftWall;
class TChartLegend;
class TChartRightWall;
class TChartTitle;
class TChartWalls;
class TKelPen;

// The host's tooltip delays in milliseconds. Each chart keeps its own, so
// that the marks tip tools of one file never change those of another.
struct THostHintDelays {
  int32_t MouseDelay = 500;
  int32_t HideDelay = 2500;
};

class TCustomChart : public TCustomAxisPanel {
  KEL_CLASS(TCustomChart, TCustomAxisPanel)

 public:
  explicit TCustomChart(TComponent* owner);
  ~TCustomChart() override;

  // Created on first access.
  TChartTitle* Title();
  TChartTitle* SubTitle();
  TChartTitle* Foot();
  TChartTitle* SubFoot();
  void SetTitle(TChartTitle* value);
  void SetSubTitle(TChartTitle* value);
  void SetFoot(TChartTitle* value);
  void SetSubFoot(TChartTitle* value);
  TChartLegend* Legend() const { return FLegend.get(); }
  void SetLegend(TChartLegend* value);
  TChartWalls& Walls() const { return *FWalls; }
  TChartBackWall* BackWall() const;
  void SetBackWall(TChartBackWall* value);
  TChartBottomWall* BottomWall() const;
  void SetBottomWall(TChartBottomWall* value);
  TChartLeftWall* LeftWall() const;
  void SetLeftWall(TChartLeftWall* value);
  TChartRightWall* RightWall();
  void SetRightWall(TChartRightWall* value);
  // The back wall's pen.
  TKelPen* Frame() const;
  void SetFrame(TKelPen* value);

  // -2: the custom palette in ColorPalette; 1 to 19: a predefined palette;
  // any other value: the process-wide default palette.
  int32_t ColorPaletteIndex() const { return FColorPaletteIndex; }
  void SetColorPaletteIndex(int32_t value);

  // The palette's colour at index modulo its length.
  TColor GetDefaultColor(int index) const;
  // Whether no other series has colour (and, with checkBackground, whether it
  // differs from the chart's and the back wall's colour).
  bool IsFreeSeriesColor(TColor color, bool checkBackground, const IChartSeries* series) const;
  // The first palette colour (not testing the last) that IsFreeSeriesColor
  // accepts, else GetDefaultColor(SeriesCount()).
  TColor GetFreeSeriesColor(bool checkBackground, const IChartSeries* series) const;

  // Empties the chart and resets its properties to those of a new chart,
  // keeping its bounds, name, alignment, host settings, zoom wheel, canvas
  // name and series groups. The hint delays start again.
  void ClearChart();

  // Used by the marks tip tools that follow the system's hints.
  THostHintDelays HostHintDelays;

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  // Copies colours into the palette, then gives every series with an
  // automatic colour a free one.
  void ApplyPalette(const TColorArray& colors);
  const TColorArray& ActivePalette() const;

  int32_t FColorPaletteIndex = 0;
  std::unique_ptr<TChartTitle> FTitle;
  std::unique_ptr<TChartTitle> FSubTitle;
  std::unique_ptr<TChartTitle> FFoot;
  std::unique_ptr<TChartTitle> FSubFoot;
  std::unique_ptr<TChartLegend> FLegend;
  std::unique_ptr<TChartWalls> FWalls;
};

class TChart : public TCustomChart {
  KEL_CLASS(TChart, TCustomChart)

 public:
  explicit TChart(TComponent* owner) : TCustomChart(owner) {}
};

class TChartChart : public TChart {
  KEL_CLASS(TChartChart, TChart)

 public:
  explicit TChartChart(TComponent* owner) : TChart(owner) {}
};

class TODBCChart : public TChartChart {
  KEL_CLASS(TODBCChart, TChartChart)

 public:
  explicit TODBCChart(TComponent* owner) : TChartChart(owner) {}
};

// Registers the chart classes by name.
void RegisterChartClasses();

}  // namespace kel
