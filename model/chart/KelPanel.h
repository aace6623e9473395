// The first two classes of the chart's chain: the panel with margins, 3D
// switch, border, shadow, canvas and print settings, and its extension with
// zooming, panning, back image and back gradient.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/attributes/BackImage.h"
#include "model/base/KelUnits.h"
#include "model/chart/Canvas3D.h"
#include "model/chart/CustomPanelNoCaption.h"
#include "model/titles/Panning.h"

namespace kel {

class TKelEmboss;
class TKelGradient;
class TKelHiddenPen;
class TKelShadow;
class TKelZoom;
class TView3DOptions;

KEL_ENUM(TPanningMode, pmNone, pmHorizontal, pmVertical, pmBoth)

class TCustomKelPanel : public TCustomPanelNoCaption {
  KEL_CLASS(TCustomKelPanel, TCustomPanelNoCaption)

 public:
  explicit TCustomKelPanel(TComponent* owner);
  ~TCustomKelPanel() override;

  bool AutoRepaint() const { return FAutoRepaint; }
  void SetAutoRepaint(bool value) { FAutoRepaint = value; }
  // Asks for a repaint; the converter never paints, so this only counts.
  void Invalidate() { ++FInvalidateCount; }
  int InvalidateCount() const { return FInvalidateCount; }

  TKelHiddenPen* Border() const { return FBorder.get(); }
  void SetBorder(TKelHiddenPen* value);
  int32_t BorderRound() const { return FBorderRound; }
  void SetBorderRound(int32_t value);
  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value);
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value);
  TKelPanning* Panning() const { return FPanning.get(); }
  void SetPanning(TKelPanning* value);
  TView3DOptions* View3DOptions() const { return FView3DOptions.get(); }
  void SetView3DOptions(TView3DOptions* value);

  // Margins in MarginUnits: 0 left, 1 top, 2 right, 3 bottom.
  int32_t Margin(int32_t index) const { return FMargins[index]; }
  void SetMargin(int32_t index, int32_t value);
  TKelUnits MarginUnits() const { return FMarginUnits; }
  void SetMarginUnits(TKelUnits value);
  bool View3D() const { return FView3D; }
  void SetView3D(bool value);
  bool Monochrome() const { return FCanvas->Monochrome(); }
  void SetMonochrome(bool value);

  bool FPrintProportional = true;
  int32_t FPrintResolution = 0;
  // Left, top, right, bottom, in percent of the paper.
  std::array<int32_t, 4> PrintMargins{15, 15, 15, 15};
  // The class name of the drawing canvas, as the option store or the file gave it.
  std::u16string IDefaultCanvas;

  const TCanvas3D& Canvas() const { return *FCanvas; }

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
  // Reads with AutoRepaint off and repaints once at the end, also when the
  // reading fails.
  void LoadState(TReader& reader) override;
  void LoadFinished() override;

 protected:
  // Notification for the owned attribute objects.
  void Changed() { Invalidate(); }

 private:
  void ReplaceCanvas(const std::u16string& className);

  bool FAutoRepaint = true;
  int FInvalidateCount = 0;
  std::unique_ptr<TCanvas3D> FCanvas;
  std::unique_ptr<TKelHiddenPen> FBorder;
  int32_t FBorderRound = 0;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::array<int32_t, 4> FMargins{3, 4, 3, 4};
  TKelUnits FMarginUnits = muPercent;
  std::unique_ptr<TKelPanning> FPanning;
  std::unique_ptr<TKelShadow> FShadow;
  bool FView3D = true;
  std::unique_ptr<TView3DOptions> FView3DOptions;
};

class TCustomKelPanelExtended : public TCustomKelPanel {
  KEL_CLASS(TCustomKelPanelExtended, TCustomKelPanel)

 public:
  explicit TCustomKelPanelExtended(TComponent* owner);
  ~TCustomKelPanelExtended() override;

  TPanningMode FAllowPanning = pmBoth;
  TMouseButton FScrollMouse = mbRight;
  TMouseWheelStyle FZoomWheel = pmwNone;

  // Created on first access.
  TBackImage* BackImage();
  void SetBackImage(TBackImage* value);
  TKelGradient* Gradient();
  void SetGradient(TKelGradient* value);
  TKelZoom* Zoom() const { return FZoom.get(); }
  void SetZoom(TKelZoom* value);

  // Views of the back image: its Inside, its Mode and whether its graphic is
  // drawn transparently.
  bool BackImageInside();
  void SetBackImageInside(bool value);
  bool IsBackImageInsideStored() const;
  TKelBackImageMode BackImageMode();
  void SetBackImageMode(TKelBackImageMode value);
  bool IsBackImageModeStored() const;
  bool BackImageTransp();
  void SetBackImageTransp(bool value);
  bool IsBackImageTranspStored() const;

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  bool HasBackGraphic() const;

  std::unique_ptr<TBackImage> FBackImage;
  // The back image's graphic is drawn transparently; it has a meaning only
  // while the back image holds a graphic.
  bool FBackImageTransparent = false;
  std::unique_ptr<TKelGradient> FGradient;
  std::unique_ptr<TKelZoom> FZoom;
};

}  // namespace kel
