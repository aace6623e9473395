#include "model/chart/KelPanel.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/View3DOptions.h"
#include "model/base/PanelRepaint.h"
#include "model/titles/Zoom.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"
#include "platform/OptionStore.h"

namespace kel {

// Published by TChart; the chain's classes only hold the values.
KEL_PROPERTIES(TCustomKelPanel)
KEL_PROPERTIES(TCustomKelPanelExtended)

TCustomKelPanel::TCustomKelPanel(TComponent* owner) : TCustomPanelNoCaption(owner) {
  FTabStop = true;
  SetWidth(400);
  SetHeight(250);
  if (!ComponentState().Contains(csLoading)) {
    const std::optional<std::u16string> option = UserOptions().ReadString(u"DefaultCanvas");
    IDefaultCanvas = option && !option->empty() ? *option : std::u16string(kDefaultCanvasClass);
  }
  FCanvas = CreateCanvas(IDefaultCanvas);
  FView3DOptions = std::make_unique<TView3DOptions>([this] { Invalidate(); });
  FPanning = std::make_unique<TKelPanning>();
  const TNotifyEvent changed = [this] { Changed(); };
  FShadow = std::make_unique<TKelShadow>(changed);
  FEmboss = std::make_unique<TKelEmboss>(changed);
  FBorder = std::make_unique<TKelHiddenPen>(changed);
}

TCustomKelPanel::~TCustomKelPanel() = default;

void RepaintPanel(TCustomKelPanel* panel) {
  if (panel != nullptr) panel->Invalidate();
}

void TCustomKelPanel::SetBorder(TKelHiddenPen* value) {
  FBorder->Assign(value);
}

void TCustomKelPanel::SetBorderRound(int32_t value) {
  // Rounding the window outline waits for the end of loading.
  if (FBorderRound == value) return;
  FBorderRound = value;
  Invalidate();
}

void TCustomKelPanel::SetEmboss(TKelEmboss* value) {
  FEmboss->Assign(value);
}
void TCustomKelPanel::SetShadow(TKelShadow* value) {
  FShadow->Assign(value);
}
void TCustomKelPanel::SetPanning(TKelPanning* value) {
  FPanning->Assign(value);
}
void TCustomKelPanel::SetView3DOptions(TView3DOptions* value) {
  FView3DOptions->Assign(value);
}

void TCustomKelPanel::SetMargin(int32_t index, int32_t value) {
  if (FMargins[index] == value) return;
  FMargins[index] = value;
  Invalidate();
}

void TCustomKelPanel::SetMarginUnits(TKelUnits value) {
  if (FMarginUnits == value) return;
  FMarginUnits = value;
  Invalidate();
}

void TCustomKelPanel::SetView3D(bool value) {
  if (FView3D == value) return;
  FView3D = value;
  Invalidate();
}

void TCustomKelPanel::SetMonochrome(bool value) {
  if (FCanvas->Monochrome() == value) return;
  FCanvas->SetMonochrome(value);
  Invalidate();
}

void TCustomKelPanel::Assign(const TPersistent* source) {
  const auto* panel = dynamic_cast<const TCustomKelPanel*>(source);
  if (panel == nullptr) {
    inherited::Assign(source);
    return;
  }
  FBevelInner = panel->FBevelInner;
  FBevelOuter = panel->FBevelOuter;
  FBevelWidth = panel->FBevelWidth;
  FBorder->Assign(panel->FBorder.get());
  FBorderRound = panel->FBorderRound;
  FColor = panel->FColor;
  FEmboss->Assign(panel->FEmboss.get());
  FMargins = panel->FMargins;
  FMarginUnits = panel->FMarginUnits;
  FCanvas->SetMonochrome(panel->Monochrome());
  FPanning->Assign(panel->FPanning.get());
  PrintMargins = panel->PrintMargins;
  FPrintProportional = panel->FPrintProportional;
  FPrintResolution = panel->FPrintResolution;
  FShadow->Assign(panel->FShadow.get());
  FView3D = panel->FView3D;
  FView3DOptions->Assign(panel->FView3DOptions.get());
  Invalidate();
}

void TCustomKelPanel::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"BorderStyle",
      [this](TReader& reader) { FBorder->SetVisible(SameText(reader.ReadIdent(), u"bsSingle")); },
      nullptr, false);
  filer.DefineProperty(
      u"DefaultCanvas", [this](TReader& reader) { IDefaultCanvas = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(IDefaultCanvas); }, true);
}

void TCustomKelPanel::LoadState(TReader& reader) {
  SetAutoRepaint(false);
  struct TRepaintAfter {
    TCustomKelPanel& Panel;
    ~TRepaintAfter() {
      Panel.SetAutoRepaint(true);
      Panel.Invalidate();
    }
  } repaintAfter{*this};
  inherited::LoadState(reader);
}

void TCustomKelPanel::LoadFinished() {
  inherited::LoadFinished();
  if (!IDefaultCanvas.empty()) {
    // The name stays as read, even when no registered canvas bears it.
    const std::u16string className = FindCanvasClass(IDefaultCanvas);
    if (className != FCanvas->ClassName()) FCanvas = CreateCanvas(className);
    if (!FCanvas->CanUse()) {
      auto standard = CreateCanvas(kStandardCanvasClass);
      standard->SetMonochrome(FCanvas->Monochrome());
      FCanvas = std::move(standard);
      IDefaultCanvas = FCanvas->ClassName();
    }
  }
  // A rounded outline (BorderRound > 0) belongs to the window, which the
  // converter never shows.
}

// ---------------------------------------------------------------------------

TCustomKelPanelExtended::TCustomKelPanelExtended(TComponent* owner)
    : TCustomKelPanel(owner), FZoom(std::make_unique<TKelZoom>()) {}

TCustomKelPanelExtended::~TCustomKelPanelExtended() = default;

TBackImage* TCustomKelPanelExtended::BackImage() {
  if (!FBackImage) {
    FBackImage = std::make_unique<TBackImage>();
    FBackImage->SetOnChange([this] { Changed(); });
  }
  return FBackImage.get();
}

void TCustomKelPanelExtended::SetBackImage(TBackImage* value) {
  BackImage()->Assign(value);
}

TKelGradient* TCustomKelPanelExtended::Gradient() {
  if (!FGradient) FGradient = std::make_unique<TKelGradient>([this] { Changed(); });
  return FGradient.get();
}

void TCustomKelPanelExtended::SetGradient(TKelGradient* value) {
  Gradient()->Assign(value);
}

void TCustomKelPanelExtended::SetZoom(TKelZoom* value) {
  FZoom->Assign(value);
}

bool TCustomKelPanelExtended::HasBackGraphic() const {
  return FBackImage && FBackImage->Graphic() != nullptr;
}

bool TCustomKelPanelExtended::BackImageInside() {
  return BackImage()->Inside();
}

void TCustomKelPanelExtended::SetBackImageInside(bool value) {
  BackImage()->SetInside(value);
}

bool TCustomKelPanelExtended::IsBackImageInsideStored() const {
  return HasBackGraphic() && FBackImage->Inside();
}

TKelBackImageMode TCustomKelPanelExtended::BackImageMode() {
  return BackImage()->Mode();
}

void TCustomKelPanelExtended::SetBackImageMode(TKelBackImageMode value) {
  BackImage()->SetMode(value);
}

bool TCustomKelPanelExtended::IsBackImageModeStored() const {
  return FBackImage && FBackImage->Mode() != pbmStretch;
}

bool TCustomKelPanelExtended::BackImageTransp() {
  return IsBackImageTranspStored();
}

void TCustomKelPanelExtended::SetBackImageTransp(bool value) {
  // Only a graphic can be transparent; BackImage precedes this entry in the
  // stream, so a stored graphic is already there.
  if (HasBackGraphic()) FBackImageTransparent = value;
}

bool TCustomKelPanelExtended::IsBackImageTranspStored() const {
  return HasBackGraphic() && FBackImageTransparent;
}

void TCustomKelPanelExtended::Assign(const TPersistent* source) {
  if (const auto* panel = dynamic_cast<const TCustomKelPanelExtended*>(source)) {
    if (panel->FBackImage) {
      BackImage()->Assign(panel->FBackImage.get());
    } else {
      FBackImage.reset();
    }
    if (panel->FGradient) {
      Gradient()->Assign(panel->FGradient.get());
    } else {
      FGradient.reset();
    }
    FBackImageTransparent = panel->FBackImageTransparent;
    FAllowPanning = panel->FAllowPanning;
    FScrollMouse = panel->FScrollMouse;
    FZoom->Assign(panel->FZoom.get());
  }
  inherited::Assign(source);
}

void TCustomKelPanelExtended::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"AllowZoom", [this](TReader& reader) { FZoom->FAllow = reader.ReadBoolean(); }, nullptr,
      false);
  filer.DefineProperty(
      u"AnimatedZoom", [this](TReader& reader) { FZoom->FAnimated = reader.ReadBoolean(); },
      nullptr, false);
  filer.DefineProperty(
      u"AnimatedZoomSteps",
      [this](TReader& reader) { FZoom->FAnimatedSteps = reader.ReadInteger(); }, nullptr, false);
  filer.DefineProperty(
      u"PrintMargins",
      [this](TReader& reader) {
        reader.ReadListBegin();
        for (int32_t& margin : PrintMargins) margin = reader.ReadInteger();
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (const int32_t margin : PrintMargins) writer.WriteInteger(margin);
        writer.WriteListEnd();
      },
      PrintMargins != std::array<int32_t, 4>{15, 15, 15, 15});
}

}  // namespace kel
