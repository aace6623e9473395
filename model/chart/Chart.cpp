#include "model/chart/Chart.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/View3DOptions.h"
#include "model/series/SeriesGroups.h"
#include "model/titles/ChartPage.h"
#include "model/titles/ChartTitle.h"
#include "model/titles/ChartWalls.h"
#include "model/titles/Legend.h"
#include "model/titles/Zoom.h"
#include "persist/ClassRegistry.h"
#include "persist/IntegerIdents.h"
#include "persist/Reader.h"
#include "persist/Writer.h"
#include "platform/OptionStore.h"

namespace kel {

KEL_PROPERTIES(TCustomChart)

TCustomChart::TCustomChart(TComponent* owner) : TCustomAxisPanel(owner) {
  SetAutoRepaint(false);
  FWalls = std::make_unique<TChartWalls>(this);
  FWalls->SetChart(this);
  FLegend = std::make_unique<TChartLegend>(this);
  FLegend->SetChart(this);
  const std::optional<int32_t> palette = UserOptions().ReadInteger(u"DefaultPalette");
  SetColorPaletteIndex(palette.value_or(kDefaultPaletteIndex));
  SetAutoRepaint(true);
}

TCustomChart::~TCustomChart() = default;

namespace {

TChartTitle* TitleOf(std::unique_ptr<TChartTitle>& title, TCustomChart* chart, bool foot) {
  if (!title) {
    title = foot ? std::make_unique<TChartFootTitle>(chart) : std::make_unique<TChartTitle>(chart);
  }
  return title.get();
}

}  // namespace

TChartTitle* TCustomChart::Title() {
  return TitleOf(FTitle, this, false);
}
TChartTitle* TCustomChart::SubTitle() {
  return TitleOf(FSubTitle, this, false);
}
TChartTitle* TCustomChart::Foot() {
  return TitleOf(FFoot, this, true);
}
TChartTitle* TCustomChart::SubFoot() {
  return TitleOf(FSubFoot, this, true);
}
void TCustomChart::SetTitle(TChartTitle* value) {
  Title()->Assign(value);
}
void TCustomChart::SetSubTitle(TChartTitle* value) {
  SubTitle()->Assign(value);
}
void TCustomChart::SetFoot(TChartTitle* value) {
  Foot()->Assign(value);
}
void TCustomChart::SetSubFoot(TChartTitle* value) {
  SubFoot()->Assign(value);
}
void TCustomChart::SetLegend(TChartLegend* value) {
  FLegend->Assign(value);
}

TChartBackWall* TCustomChart::BackWall() const {
  return FWalls->Back();
}
void TCustomChart::SetBackWall(TChartBackWall* value) {
  BackWall()->Assign(value);
}
TChartBottomWall* TCustomChart::BottomWall() const {
  return FWalls->Bottom();
}
void TCustomChart::SetBottomWall(TChartBottomWall* value) {
  BottomWall()->Assign(value);
}
TChartLeftWall* TCustomChart::LeftWall() const {
  return FWalls->Left();
}
void TCustomChart::SetLeftWall(TChartLeftWall* value) {
  LeftWall()->Assign(value);
}
TChartRightWall* TCustomChart::RightWall() {
  return FWalls->Right();
}
void TCustomChart::SetRightWall(TChartRightWall* value) {
  RightWall()->Assign(value);
}
TKelPen* TCustomChart::Frame() const {
  return BackWall()->Pen();
}
void TCustomChart::SetFrame(TKelPen* value) {
  Frame()->Assign(value);
}

// --- Palette ---

const TColorArray& TCustomChart::ActivePalette() const {
  return ColorPalette.empty() ? DefaultPalette() : ColorPalette;
}

void TCustomChart::SetColorPaletteIndex(int32_t value) {
  if (FColorPaletteIndex == value) return;
  if (value == kCustomPaletteIndex) {
    ApplyPalette(FColorPaletteIndex > 0 ? PredefinedPalette(FColorPaletteIndex) : DefaultPalette());
  }
  FColorPaletteIndex = value;
  if (value != kCustomPaletteIndex) {
    ApplyPalette(PredefinedPalette(value));
    Invalidate();
  }
}

void TCustomChart::ApplyPalette(const TColorArray& colors) {
  ColorPalette = colors;
  for (IChartSeries* series : SeriesList()) {
    if (series->SeriesColor() == clDefault) {
      series->SetAutomaticColor(GetFreeSeriesColor(true, series));
    }
  }
}

TColor TCustomChart::GetDefaultColor(int index) const {
  const TColorArray& palette = ActivePalette();
  return palette[static_cast<size_t>(index) % palette.size()];
}

bool TCustomChart::IsFreeSeriesColor(TColor color,
                                     bool checkBackground,
                                     const IChartSeries* series) const {
  for (const IChartSeries* other : SeriesList()) {
    if (other != series && other->ColorInUse() == color) return false;
  }
  return !checkBackground || (color != FColor && color != BackWall()->Color());
}

TColor TCustomChart::GetFreeSeriesColor(bool checkBackground, const IChartSeries* series) const {
  const TColorArray& palette = ActivePalette();
  for (size_t i = 0; i + 1 < palette.size(); ++i) {
    if (IsFreeSeriesColor(palette[i], checkBackground, series)) return palette[i];
  }
  return GetDefaultColor(SeriesCount());
}

// --- Clearing and copying ---

void TCustomChart::ClearChart() {
  ClearContents();
  std::unique_ptr<TComponent> fresh(ClassInfo().CreateComponent(nullptr));
  Assign(fresh.get());
  HostHintDelays = {};
}

void TCustomChart::Assign(const TPersistent* source) {
  if (const auto* chart = dynamic_cast<const TCustomChart*>(source)) {
    SetColorPaletteIndex(chart->FColorPaletteIndex);
    auto copyTitle = [](std::unique_ptr<TChartTitle>& to, const std::unique_ptr<TChartTitle>& from,
                        TCustomChart* owner, bool foot) {
      if (from) {
        TitleOf(to, owner, foot)->Assign(from.get());
      } else {
        to.reset();
      }
    };
    copyTitle(FFoot, chart->FFoot, this, true);
    FLegend->Assign(chart->FLegend.get());
    copyTitle(FSubFoot, chart->FSubFoot, this, true);
    copyTitle(FSubTitle, chart->FSubTitle, this, false);
    copyTitle(FTitle, chart->FTitle, this, false);
    FWalls->Assign(chart->FWalls.get());
  }
  inherited::Assign(source);
}

void TCustomChart::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"BackColor",
      [this](TReader& reader) {
        int32_t color = 0;
        if (reader.NextValue() == vaIdent) {
          const std::u16string ident = reader.ReadIdent();
          const std::optional<int32_t> value = IdentToColor(ident);
          if (!value) throw EReadError(kSInvalidProperty);
          color = *value;
        } else {
          color = reader.ReadInteger();
        }
        BackWall()->SetColor(static_cast<TColor>(color));
        // Without a parent window the brush style is left alone.
      },
      nullptr, false);
  filer.DefineProperty(
      u"ColorPaletteIndex", [this](TReader& reader) { SetColorPaletteIndex(reader.ReadInteger()); },
      [this](TWriter& writer) { writer.WriteInteger(FColorPaletteIndex); },
      FColorPaletteIndex >= 0 || FColorPaletteIndex == kCustomPaletteIndex);
  filer.DefineProperty(
      u"ColorPalette",
      [this](TReader& reader) {
        TColorArray colors;
        reader.ReadListBegin();
        while (!reader.EndOfList()) colors.push_back(static_cast<TColor>(reader.ReadInteger()));
        reader.ReadListEnd();
        ColorPalette = std::move(colors);
        if (ColorPalette.empty()) FColorPaletteIndex = -1;
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (const TColor color : ColorPalette) writer.WriteInteger(static_cast<int32_t>(color));
        writer.WriteListEnd();
      },
      FColorPaletteIndex == kCustomPaletteIndex);
}

// --- TChart ---

using C = TChart;
KEL_PROPERTIES(
    TChart,
    Property(u"AllowPanning", &C::FAllowPanning, &C::FAllowPanning).Default(pmBoth),
    Property(u"BackImage", &C::BackImage, &C::SetBackImage),
    Property(u"BackImageInside", &C::BackImageInside, &C::SetBackImageInside)
        .Default(false)
        .Stored(&C::IsBackImageInsideStored),
    Property(u"BackImageMode", &C::BackImageMode, &C::SetBackImageMode)
        .Default(pbmStretch)
        .Stored(&C::IsBackImageModeStored),
    Property(u"BackImageTransp", &C::BackImageTransp, &C::SetBackImageTransp)
        .Default(false)
        .Stored(&C::IsBackImageTranspStored),
    Property(u"BackWall", &C::BackWall, &C::SetBackWall),
    Property(u"Border", &C::Border, &C::SetBorder),
    Property(u"BorderRound", &C::BorderRound, &C::SetBorderRound).Default(0),
    Property(u"BottomWall", &C::BottomWall, &C::SetBottomWall),
    Property(u"Foot", &C::Foot, &C::SetFoot),
    Property(u"Gradient", &C::Gradient, &C::SetGradient),
    Property(u"LeftWall", &C::LeftWall, &C::SetLeftWall),
    Property(u"Legend", &C::Legend, &C::SetLegend),
    IndexedProperty(u"MarginBottom", 3, &C::Margin, &C::SetMargin).Default(4),
    IndexedProperty(u"MarginLeft", 0, &C::Margin, &C::SetMargin).Default(3),
    IndexedProperty(u"MarginRight", 2, &C::Margin, &C::SetMargin).Default(3),
    IndexedProperty(u"MarginTop", 1, &C::Margin, &C::SetMargin).Default(4),
    Property(u"MarginUnits", &C::MarginUnits, &C::SetMarginUnits).Default(muPercent),
    Property(u"PrintProportional", &C::FPrintProportional, &C::FPrintProportional).Default(true),
    Property(u"RightWall", &C::RightWall, &C::SetRightWall),
    Property(u"ScrollMouseButton", &C::FScrollMouse, &C::FScrollMouse).Default(mbRight),
    Property(u"SubFoot", &C::SubFoot, &C::SetSubFoot),
    Property(u"SubTitle", &C::SubTitle, &C::SetSubTitle),
    Property(u"Title", &C::Title, &C::SetTitle),
    Property(u"AxisBehind", &C::FAxisBehind, &C::FAxisBehind).Default(true),
    Property(u"AxisVisible", &C::FAxisVisible, &C::FAxisVisible).Default(true),
    Property(u"BottomAxis", &C::BottomAxis, &C::SetBottomAxis),
    Property(u"Chart3DPercent", &C::Chart3DPercent, &C::SetChart3DPercent).Default(15),
    Property(u"ClipPoints", &C::FClipPoints, &C::FClipPoints).Default(true),
    Property(u"DepthAxis", &C::DepthAxis, &C::SetDepthAxis),
    Property(u"DepthTopAxis", &C::DepthTopAxis, &C::SetDepthTopAxis),
    Property(u"CustomAxes", &C::CustomAxes, &C::SetCustomAxes).Stored(&C::IsCustomAxesStored),
    Property(u"Emboss", &C::Emboss, &C::SetEmboss),
    Property(u"Frame", &C::Frame, &C::SetFrame),
    Property(u"LeftAxis", &C::LeftAxis, &C::SetLeftAxis),
    Property(u"Monochrome", &C::Monochrome, &C::SetMonochrome).Default(false),
    Property(u"Pages", &C::Pages, &C::SetPages),
    Property(u"Panning", &C::Panning, &C::SetPanning),
    Property(u"RightAxis", &C::RightAxis, &C::SetRightAxis),
    Property(u"SeriesGroups", &C::SeriesGroups, &C::SetSeriesGroups)
        .Stored(&C::IsSeriesGroupsStored),
    Property(u"Shadow", &C::Shadow, &C::SetShadow),
    Property(u"TopAxis", &C::TopAxis, &C::SetTopAxis),
    Property(u"View3D", &C::View3D, &C::SetView3D).Default(true),
    Property(u"View3DOptions", &C::View3DOptions, &C::SetView3DOptions),
    Property(u"View3DWalls", &C::View3DWalls, &C::SetView3DWalls).Default(true),
    Property(u"Zoom", &C::Zoom, &C::SetZoom),
    Property(u"ZoomWheel", &C::FZoomWheel, &C::FZoomWheel).Default(pmwNone),
    Property(u"Align", &C::Align, &C::SetAlign).Default(alNone),
    Property(u"BevelInner", &C::FBevelInner, &C::FBevelInner).Default(bvNone),
    Property(u"BevelOuter", &C::FBevelOuter, &C::FBevelOuter).Default(bvRaised),
    Property(u"BevelWidth", &C::FBevelWidth, &C::FBevelWidth).Default(1),
    Property(u"BorderWidth", &C::FBorderWidth, &C::FBorderWidth).Default(0),
    Property(u"Color", &C::Color, &C::SetColor).Default(clBtnFace).Stored(&C::IsColorStored),
    Property(u"UseDockManager", &C::FUseDockManager, &C::FUseDockManager).Default(true),
    Property(u"DockSite", &C::FDockSite, &C::FDockSite).Default(false),
    Property(u"DragCursor", &C::FDragCursor, &C::FDragCursor).Default(crDrag),
    Property(u"DragMode", &C::FDragMode, &C::FDragMode).Default(dmManual),
    Property(u"ParentColor", &C::FParentColor, &C::FParentColor).Default(false),
    Property(u"ParentShowHint", &C::FParentShowHint, &C::FParentShowHint).Default(true),
    Property(u"PopupMenu", &C::FPopupMenu, &C::FPopupMenu),
    Property(u"TabStop", &C::FTabStop, &C::FTabStop).Default(true),
    Property(u"AutoSize", &C::FAutoSize, &C::FAutoSize).Default(false),
    Property(u"Constraints", &C::Constraints, &C::SetConstraints),
    Property(u"Enabled", &C::FEnabled, &C::FEnabled).Default(true),
    Property(u"ShowHint", &C::ShowHint, &C::SetShowHint).NoDefault().Stored(&C::IsShowHintStored),
    Property(u"TabOrder", &C::TabOrder, &C::SetTabOrder).Default(-1),
    Property(u"Touch", &C::Touch, &C::SetTouch),
    Property(u"Visible", &C::FVisible, &C::FVisible).Default(true),
    Property(u"Anchors", &C::FAnchors, &C::FAnchors)
        .Default(TAnchors{akLeft, akTop})
        .Stored(&C::IsAnchorsStored),
    Property(u"DragKind", &C::FDragKind, &C::FDragKind).Default(dkDrag),
    Property(u"Locked", &C::FLocked, &C::FLocked).Default(false))

KEL_PROPERTIES(TChartChart)
KEL_PROPERTIES(TODBCChart)

void RegisterChartClasses() {
  RegisterClasses({&TChart::StaticClassInfo(), &TChartChart::StaticClassInfo(),
                   &TODBCChart::StaticClassInfo()});
}

}  // namespace kel
