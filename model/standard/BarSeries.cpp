#include "model/standard/BarSeries.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesSharing.h"

namespace kel {

namespace {

constexpr TColor kBarShadowColor = static_cast<TColor>(0x808080);
constexpr int32_t kBarCalloutLength = 20;

}  // namespace

using B = TCustomBarSeries;
KEL_PROPERTIES(
    TCustomBarSeries,
    Published({u"Active"}),
    Property(u"BarBrush", &B::Brush, &B::SetBrush),
    Property(u"BarPen", &B::Pen, &B::SetPen),
    Property(u"BevelSize", &B::FBevelSize, &B::FBevelSize).Default(1),
    Published({u"ColorEachPoint", u"ColorSource"}),
    Property(u"ConePercent", &B::FConePercent, &B::FConePercent).Default(0),
    Published({u"Cursor"}),
    Property(u"DarkPen", &B::FDarkPen, &B::FDarkPen).Default(0),
    Published({u"Depth", u"HorizAxis", u"Marks", u"ParentChart", u"DataSource", u"PercentFormat"}),
    Property(u"RoundSize", &B::FRoundSize, &B::FRoundSize).Default(16),
    Published({u"SeriesColor", u"ShowInLegend", u"Title", u"Transparency", u"ValueFormat",
               u"VertAxis", u"XLabelsSource", u"AfterDrawValues", u"BeforeDrawValues",
               u"OnAfterAdd", u"OnBeforeAdd", u"OnClearValues", u"OnClick", u"OnDblClick",
               u"OnGetMarkText", u"OnMouseEnter", u"OnMouseLeave"}),
    Property(u"AutoBarSize", &B::FAutoBarSize, &B::FAutoBarSize).Default(false),
    Property(u"AutoMarkPosition", &B::AutoMarkPosition, &B::SetAutoMarkPosition)
        .NoDefault()
        .Stored(false),
    Property(u"BarRound", &B::FBarRound, &B::FBarRound).Default(brAtValue),
    Property(u"BarStyle", &B::BarStyle, &B::SetBarStyle).Default(bsRectangle),
    Property(u"BarWidthPercent", &B::FBarWidthPercent, &B::FBarWidthPercent).Default(70),
    Property(u"Dark3D", &B::FDark3D, &B::FDark3D).Default(true),
    Property(u"DepthPercent", &B::FDepthPercent, &B::FDepthPercent).Default(100),
    Property(u"Emboss", &B::Emboss, &B::SetEmboss),
    Property(u"Gradient", &B::Gradient, &B::SetGradient),
    Property(u"GradientRelative", &B::FGradientRelative, &B::FGradientRelative).Default(false),
    Property(u"MarksLocation", &B::FMarksLocation, &B::FMarksLocation).Default(mlEnd),
    Property(u"MarksOnBar", &B::FMarksOnBar, &B::FMarksOnBar).Default(false),
    Property(u"MultiBar", &B::MultiBar, &B::SetMultiBar).Default(mbSide),
    Property(u"OffsetPercent", &B::FOffsetPercent, &B::FOffsetPercent).Default(0),
    Property(u"Shadow", &B::Shadow, &B::SetShadow),
    Property(u"SideMargins", &B::SideMargins, &B::SetSideMargins).Default(true),
    Property(u"Sides", &B::FSides, &B::FSides).Default(32),
    Property(u"StackGroup", &B::FStackGroup, &B::FStackGroup).Default(0),
    Property(u"TickLines", &B::TickLines, &B::SetTickLines),
    Property(u"UseYOrigin", &B::FUseYOrigin, &B::FUseYOrigin).Default(true),
    Property(u"YOrigin", &B::FYOrigin, &B::FYOrigin),
    Published({u"XValues", u"YValues"}),
    Property(u"OnGetBarStyle", &B::FOnGetBarStyle, &B::FOnGetBarStyle))

TCustomBarSeries::TCustomBarSeries(TComponent* owner)
    : TChartSeries(owner),
      FEmboss(std::make_unique<TKelEmboss>([this] { Repaint(); })),
      FShadow(std::make_unique<TKelShadow>([this] { Repaint(); })) {
  TSeriesMarks* marks = Marks();
  marks->SetVisible(true);
  marks->DefaultVisible = true;
  marks->OnTop = true;
  TMarksCallout* callout = marks->Callout();
  callout->SetLength(kBarCalloutLength);
  callout->DefaultLength = kBarCalloutLength;
  // Grey is what both are written against, so a new bar writes neither.
  FEmboss->AssignShadowDefaults(FEmboss->Visible(), kBarShadowColor, FEmboss->DefaultSize);
  FShadow->AssignShadowDefaults(FShadow->Visible(), kBarShadowColor, FShadow->DefaultSize);
}

TCustomBarSeries::~TCustomBarSeries() = default;

void TCustomBarSeries::SetBarStyle(TBarStyle value) {
  if (FBarStyle == value) return;
  FBarStyle = value;
  if (value == bsRectangle) Gradient()->SetVisible(false);
  Repaint();
}

void TCustomBarSeries::SetMultiBar(TMultiBar value) {
  if (FMultiBar == value) return;
  FMultiBar = value;
  ShareLayout();
  Repaint();
}

void TCustomBarSeries::SetSideMargins(bool value) {
  FSideMargins = value;
  ShareLayout();
  Repaint();
}

void TCustomBarSeries::ShareLayout() {
  CalcVisiblePoints = FMultiBar != mbSelfStack;
  ForEachSeriesOfChart(*this, [this](TChartSeries& other) {
    if (!IsInstanceOfClassOf(*this, other)) return;
    auto& bar = static_cast<TCustomBarSeries&>(other);
    bar.FMultiBar = FMultiBar;
    bar.FSideMargins = FSideMargins;
    bar.CalcVisiblePoints = FMultiBar != mbSelfStack;
  });
}

void TCustomBarSeries::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  bool found = false;
  ForEachSeriesOfChart(*this, [this, &found](TChartSeries& other) {
    if (found || !IsInstanceOfClassOf(*this, other)) return;
    found = true;
    const auto& first = static_cast<const TCustomBarSeries&>(other);
    FMultiBar = first.FMultiBar;
    FSideMargins = first.FSideMargins;
  });
}

bool TCustomBarSeries::AutoMarkPosition() const {
  return Marks()->AutoPosition();
}

void TCustomBarSeries::SetAutoMarkPosition(bool value) {
  Marks()->SetAutoPosition(value);
}

TKelGradient* TCustomBarSeries::Gradient() const {
  return Brush()->Gradient();
}

void TCustomBarSeries::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

void TCustomBarSeries::SetEmboss(TKelEmboss* value) {
  FEmboss->Assign(value);
}

void TCustomBarSeries::SetShadow(TKelShadow* value) {
  FShadow->Assign(value);
}

TKelHiddenPen* TCustomBarSeries::TickLines() {
  if (!FTickLines) FTickLines = std::make_unique<TKelHiddenPen>([this] { Repaint(); });
  return FTickLines.get();
}

void TCustomBarSeries::SetTickLines(TKelHiddenPen* value) {
  TickLines()->Assign(value);
}

KEL_PROPERTIES(TBarSeries,
               Property(u"CustomBarWidth",
                        &TBarSeries::FCustomBarWidth,
                        &TBarSeries::FCustomBarWidth)
                   .Default(0))

TBarSeries::TBarSeries(TComponent* owner) : TCustomBarSeries(owner) {
  Gradient()->SetDirection(gdTopBottom);
  YValues()->SetName(u"Bar");
}

KEL_PROPERTIES(THorizBarSeries,
               Property(u"CustomBarHeight",
                        &THorizBarSeries::FCustomBarHeight,
                        &THorizBarSeries::FCustomBarHeight)
                   .Default(0))

THorizBarSeries::THorizBarSeries(TComponent* owner) : TCustomBarSeries(owner) {
  SetHorizontal();
  // Only the value: every horizontal bar series writes Gradient.Direction.
  Gradient()->SetDirection(gdLeftRight);
  XValues()->SetName(u"Bar");
}

}  // namespace kel
