#include "model/titles/Legend.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "model/base/ChartLink.h"
#include "model/titles/LegendSymbol.h"

namespace kel {

// --- TCustomChartLegend ---

KEL_PROPERTIES(TCustomChartLegend)

TCustomChartLegend::TCustomChartLegend(TCustomKelPanel* parent)
    : TKelCustomShapePosition(parent),
      FDividingLines(std::make_unique<TKelHiddenPen>(OnChange())),
      FSymbol(std::make_unique<TLegendSymbol>(OnChange())) {
  TKelGradient* gradient = Brush()->Gradient();
  gradient->AssignDefaultDirection(gdRightLeft);
  gradient->IDefStart = clSilver;
  gradient->IDefEnd = clWhite;
}

TCustomChartLegend::~TCustomChartLegend() = default;

void TCustomChartLegend::SetCheckBoxesStyle(TCheckBoxesStyle value) {
  if (FCheckBoxesStyle == value) return;
  FCheckBoxesStyle = value;
  if (value == cbsRadio && FChart != nullptr) {
    bool firstSeen = false;
    for (int i = 0; i < FChart->SeriesCount(); ++i) {
      if (!FChart->SeriesActive(i) || !FChart->SeriesShownInLegend(i)) continue;
      if (firstSeen) FChart->SetSeriesActive(i, false);
      firstSeen = true;
    }
  }
  Changed();
}

int32_t TCustomChartLegend::ColorWidth() const {
  return FSymbol->Width();
}

void TCustomChartLegend::SetColorWidth(int32_t value) {
  FSymbol->SetWidth(value);
}

void TCustomChartLegend::SetFirstValue(int32_t value) {
  if (value < 0) throw LegendException("First Legend Value must be > 0");
  SetAndNotify(FFirstValue, value);
}

void TCustomChartLegend::SetDividingLines(TKelHiddenPen* value) {
  FDividingLines->Assign(value);
}

void TCustomChartLegend::SetSymbol(TLegendSymbol* value) {
  FSymbol->Assign(value);
}

TLegendTitle* TCustomChartLegend::Title() {
  if (!FTitle) FTitle = std::make_unique<TLegendTitle>(FParent);
  return FTitle.get();
}

void TCustomChartLegend::SetTitle(TLegendTitle* value) {
  Title()->Assign(value);
}

void TCustomChartLegend::Assign(const TPersistent* source) {
  if (const auto* legend = dynamic_cast<const TCustomChartLegend*>(source)) {
    FAlignment = legend->FAlignment;
    FCheckBoxes = legend->FCheckBoxes;
    FCheckBoxesStyle = legend->FCheckBoxesStyle;
    FCurrentPage = legend->FCurrentPage;
    FDividingLines->Assign(legend->FDividingLines.get());
    FDrawBehind = legend->FDrawBehind;
    FFirstValue = legend->FFirstValue;
    FFontSeriesColor = legend->FFontSeriesColor;
    FGlobalTransp = legend->FGlobalTransp;
    FHorizMargin = legend->FHorizMargin;
    FInverted = legend->FInverted;
    FLeftPercent = legend->FLeftPercent;
    FLegendStyle = legend->FLegendStyle;
    FMaxNumRows = legend->FMaxNumRows;
    FPosUnits = legend->FPosUnits;
    FResizeChart = legend->FResizeChart;
    FSymbol->Assign(legend->FSymbol.get());
    FTextStyle = legend->FTextStyle;
    // Copied as well, so that clearing a chart also resets the gap.
    FTextSymbolGap = legend->FTextSymbolGap;
    // A title the source never made holds initial values: drop ours too.
    if (legend->FTitle) {
      Title()->Assign(legend->FTitle.get());
    } else {
      FTitle.reset();
    }
    FTopLeftPos = legend->FTopLeftPos;
    FTopPercent = legend->FTopPercent;
    FVertMargin = legend->FVertMargin;
    FVertSpacing = legend->FVertSpacing;
  }
  inherited::Assign(source);
}

// --- TChartLegend ---

using L = TChartLegend;
KEL_PROPERTIES(
    TChartLegend,
    Property(u"Alignment", &L::Alignment, &L::SetAlignment).Default(laRight),
    Published({
        u"Bevel",
        u"BevelWidth",
        u"Brush",
    }),
    Property(u"CheckBoxes", &L::CheckBoxes, &L::SetCheckBoxes).Default(false),
    Property(u"CheckBoxesStyle", &L::CheckBoxesStyle, &L::SetCheckBoxesStyle).Default(cbsCheck),
    Published({
        u"Children",
        u"Color",
    }),
    Property(u"ColorWidth", &L::ColorWidth, &L::SetColorWidth).Default(20),
    Property(u"CurrentPage", &L::CurrentPage, &L::SetCurrentPage).Default(true),
    Published({u"CustomPosition"}),
    Property(u"DividingLines", &L::DividingLines, &L::SetDividingLines),
    Property(u"DrawBehind", &L::DrawBehind, &L::SetDrawBehind).Default(false),
    Published({u"Emboss"}),
    Property(u"FirstValue", &L::FirstValue, &L::SetFirstValue).Default(0),
    Published({u"Font"}),
    Property(u"FontSeriesColor", &L::FontSeriesColor, &L::SetFontSeriesColor).Default(false),
    Published({u"Frame"}),
    Property(u"GlobalTransparency", &L::GlobalTransparency, &L::SetGlobalTransparency).Default(0),
    Published({u"Gradient"}),
    Property(u"HorizMargin", &L::HorizMargin, &L::SetHorizMargin).Default(0),
    Property(u"Inverted", &L::Inverted, &L::SetInverted).Default(false),
    Published({u"Left"}),
    Property(u"LeftPercent", &L::LeftPercent, &L::SetLeftPercent).Default(0),
    Property(u"LegendStyle", &L::LegendStyle, &L::SetLegendStyle).Default(lsAuto),
    Property(u"MaxNumRows", &L::MaxNumRows, &L::SetMaxNumRows).Default(0),
    Published({u"Picture"}),
    Property(u"PositionUnits", &L::PositionUnits, &L::SetPositionUnits).Default(muPixels),
    Property(u"ResizeChart", &L::ResizeChart, &L::SetResizeChart).Default(true),
    Published({
        u"RoundSize",
        u"Shadow",
        u"ShapeCallout",
        u"ShapeStyle",
    }),
    Property(u"Symbol", &L::Symbol, &L::SetSymbol),
    Property(u"TextStyle", &L::TextStyle, &L::SetTextStyle).Default(ltsLeftValue),
    Property(u"TextSymbolGap", &L::TextSymbolGap, &L::SetTextSymbolGap).Default(2),
    Property(u"Title", &L::Title, &L::SetTitle),
    Published({u"Top"}),
    Property(u"TopPercent", &L::TopPercent, &L::SetTopPercent).Default(0),
    Property(u"TopPos", &L::TopPos, &L::SetTopPos).Default(10),
    Published({
        u"Transparency",
        u"Transparent",
    }),
    Property(u"VertMargin", &L::VertMargin, &L::SetVertMargin).Default(0),
    Property(u"VertSpacing", &L::VertSpacing, &L::SetVertSpacing).Default(0),
    Published({
        u"Visible",
        u"ClipText",
        u"Cursor",
        u"Margins",
        u"TextFormat",
    }))

}  // namespace kel
