// The boxed shapes that most chart elements derive from: a brush, a pen and
// visibility (TKelCustomShapeBrushPen), then a box with font, shadow, emboss,
// bevel, corners, picture, callout and child shapes (TKelCustomShape).
// Descendants choose which of these they publish.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/BevelCut.h"
#include "model/attributes/Gradient.h"
#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TBackImage;
class TCustomKelPanel;
class TKelBrush;
class TKelCorners;
class TKelEmboss;
class TKelFont;
class TKelPen;
class TKelShadow;
class TKelShapes;
class TReader;
class TShapeCallout;

KEL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
KEL_ENUM(TKelShapeLayout, slTopBottom, slLeftRight)
KEL_ENUM(TChartObjectShapeStyle, fosRectangle, fosRoundRectangle, fosEllipse)

class TKelCustomShapeBrushPen : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TKelCustomShapeBrushPen, TPersistent)

 public:
  // The brush's class: a function making a brush with a notification.
  using TBrushClass = std::unique_ptr<TKelBrush> (*)(TNotifyEvent onChange);
  template <class B>
  static std::unique_ptr<TKelBrush> NewBrush(TNotifyEvent onChange) {
    return std::make_unique<B>(std::move(onChange));
  }

  // parent may be null. A descendant with another brush class passes it here,
  // since a constructor cannot reach an override.
  explicit TKelCustomShapeBrushPen(TCustomKelPanel* parent,
                                   TBrushClass brushClass = &NewBrush<TKelBrush>);
  ~TKelCustomShapeBrushPen() override;

  TCustomKelPanel* Parent() const { return FParent; }
  TKelBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TKelBrush* value);
  TKelPen* Pen() const { return FPen.get(); }
  void SetPen(TKelPen* value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value) { SetAndNotify(FVisible, value); }

  bool DefaultVisible = true;

  // Copies the brush, the pen and Visible.
  void Assign(const TPersistent* source) override;

 protected:
  // The change handler of the owned attribute objects: repaints the parent.
  void Repaint() const;

  TCustomKelPanel* FParent;
  bool FVisible = true;

 private:
  std::unique_ptr<TKelBrush> FBrush;
  std::unique_ptr<TKelPen> FPen;
};

class TKelCustomShape : public TKelCustomShapeBrushPen {
  KEL_CLASS(TKelCustomShape, TKelCustomShapeBrushPen)

 public:
  // The class of child shapes: a function making a shape for a parent panel.
  using TShapeClass = std::unique_ptr<TKelCustomShape> (*)(TCustomKelPanel* parent);
  template <class S>
  static std::unique_ptr<TKelCustomShape> NewShape(TCustomKelPanel* parent) {
    return std::make_unique<S>(parent);
  }

  explicit TKelCustomShape(TCustomKelPanel* parent, TBrushClass brushClass = &NewBrush<TKelBrush>);
  ~TKelCustomShape() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value) { SetAndNotify(FAlignment, value); }
  int32_t Angle() const { return FAngle; }
  void SetAngle(int32_t value) { SetAndNotify(FAngle, value); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value) { SetAndNotify(FAutoSize, value); }
  TBevelCut Bevel() const { return FBevel; }
  void SetBevel(TBevelCut value) { SetAndNotify(FBevel, value); }
  int32_t BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int32_t value) { SetAndNotify(FBevelWidth, value); }
  TKelShapeLayout ChildLayout() const { return FChildLayout; }
  void SetChildLayout(TKelShapeLayout value) { SetAndNotify(FChildLayout, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetAndNotify(FColor, value); }
  bool Draw3D() const { return FDraw3D; }
  void SetDraw3D(bool value) { SetAndNotify(FDraw3D, value); }
  int32_t RoundSize() const { return FRoundSize; }
  // A positive size also makes the shape a rounded rectangle.
  void SetRoundSize(int32_t value);
  TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
  void SetShapeStyle(TChartObjectShapeStyle value) { SetAndNotify(FShapeStyle, value); }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { SetAndNotify(FTransparent, value); }
  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value) { SetAndNotify(FTransparency, value); }

  TKelShapes* Children() const { return FChildren.get(); }
  void SetChildren(TKelShapes* value);
  TKelFont* Font() const { return FFont.get(); }
  void SetFont(TKelFont* value);
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value);
  // The brush's gradient.
  TKelGradient* Gradient();
  void SetGradient(TKelGradient* value);

  // Created on first access with the shape's change handler; null frees them.
  TKelCorners* Corners();
  void SetCorners(TKelCorners* value);
  TKelEmboss* Emboss();
  void SetEmboss(TKelEmboss* value);
  TBackImage* Picture();
  void SetPicture(TBackImage* value);
  TShapeCallout* ShapeCallout();
  void SetShapeCallout(TShapeCallout* value);

  // Sets Transparent and its remembered default together.
  void PrepareTransparent(bool value);

  bool DefaultTransparent = false;
  bool HasCorners() const { return FCorners != nullptr; }
  bool HasPicture() const { return FPicture != nullptr; }
  bool IsChildrenStored() const;

  void Assign(const TPersistent* source) override;
  // Reads the legacy entries "ShadowColor" and "ShadowSize" into the shadow.
  void DefineProperties(TFiler& filer) override;

  // Hooks. The base constructor applies the base PrepareShadow; a descendant
  // that overrides it also applies it from its own constructor.
  virtual TShapeClass ChildShapeClass() const;
  virtual void PrepareShadow(TKelShadow& shadow);
  virtual void PrepareEmboss(TKelEmboss& emboss);

 protected:
  // Replace the font or shadow that the constructor made, or make the
  // emboss, with one of a class whose write rules suit the descendant; the
  // shadow and emboss are prepared as the shape prepares its own.
  template <class F>
  void ReplaceFont() {
    FFont = std::make_unique<F>(OnChange());
  }
  template <class S>
  void ReplaceShadow() {
    FShadow = std::make_unique<S>(OnChange());
    PrepareShadow(*FShadow);
  }
  template <class E>
  void ReplaceEmboss() {
    FEmboss = std::make_unique<E>(OnChange());
    PrepareEmboss(*FEmboss);
  }

 private:
  void ReadShadowColor(TReader& reader);

  int32_t FAngle = 0;
  bool FAutoSize = true;
  TBevelCut FBevel = bvNone;
  int32_t FBevelWidth = 2;
  std::unique_ptr<TShapeCallout> FCallout;
  std::unique_ptr<TKelShapes> FChildren;
  TKelShapeLayout FChildLayout = slTopBottom;
  TColor FColor = clWhite;
  std::unique_ptr<TKelCorners> FCorners;
  std::unique_ptr<TKelFont> FFont;
  int32_t FRoundSize = 16;
  TChartObjectShapeStyle FShapeStyle = fosRectangle;
  bool FTransparent = false;
  TAlignment FAlignment = taLeftJustify;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TBackImage> FPicture;
  std::unique_ptr<TKelShadow> FShadow;
  TKelTransparency FTransparency = 0;
  bool FDraw3D = false;
};

}  // namespace kel
