// The legend's symbol: the coloured mark drawn beside each legend item.
#pragma once

#include <cstdint>
#include <memory>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

class TKelEmboss;
class TKelGradient;
class TKelPen;
class TKelShadow;

KEL_ENUM(TLegendSymbolSize, lcsPercent, lcsPixels)
KEL_ENUM(TLegendSymbolPosition, spLeft, spRight)

class TLegendSymbol : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TLegendSymbol, TPersistent)

 public:
  // onChange repaints the chart.
  explicit TLegendSymbol(TNotifyEvent onChange = {});
  ~TLegendSymbol() override;

  bool Continuous() const { return FContinuous; }
  void SetContinuous(bool value) { SetAndNotify(FContinuous, value); }
  bool DefaultPen() const { return FDefaultPen; }
  void SetDefaultPen(bool value) { SetAndNotify(FDefaultPen, value); }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value) { SetAndNotify(FHeight, value); }
  TLegendSymbolSize HeightUnits() const { return FHeightUnits; }
  void SetHeightUnits(TLegendSymbolSize value) { SetAndNotify(FHeightUnits, value); }
  TLegendSymbolPosition Position() const { return FPosition; }
  void SetPosition(TLegendSymbolPosition value) { SetAndNotify(FPosition, value); }
  bool Squared() const { return FSquared; }
  void SetSquared(bool value) { SetAndNotify(FSquared, value); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndNotify(FVisible, value); }
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value) { SetAndNotify(FWidth, value); }
  TLegendSymbolSize WidthUnits() const { return FWidthUnits; }
  void SetWidthUnits(TLegendSymbolSize value) { SetAndNotify(FWidthUnits, value); }

  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value);
  TKelGradient* Gradient() const { return FGradient.get(); }
  void SetGradient(TKelGradient* value);
  TKelPen* Pen() const { return FPen.get(); }
  void SetPen(TKelPen* value);
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value);

  void Assign(const TPersistent* source) override;

 private:
  bool FContinuous = false;
  bool FDefaultPen = true;
  int32_t FHeight = 100;
  TLegendSymbolSize FHeightUnits = lcsPercent;
  TLegendSymbolPosition FPosition = spLeft;
  bool FSquared = true;
  bool FVisible = true;
  int32_t FWidth = 20;
  TLegendSymbolSize FWidthUnits = lcsPercent;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelGradient> FGradient;
  std::unique_ptr<TKelPen> FPen;
  std::unique_ptr<TKelShadow> FShadow;
};

}  // namespace kel
