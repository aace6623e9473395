#include "model/attributes/CustomShape.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Corners.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "model/base/PanelRepaint.h"
#include "persist/Exceptions.h"
#include "persist/Reader.h"

namespace kel {

// Brush and pen.

KEL_PROPERTIES(TKelCustomShapeBrushPen)

TKelCustomShapeBrushPen::TKelCustomShapeBrushPen(TCustomKelPanel* parent, TBrushClass brushClass)
    : TChangeNotifier([this] { Repaint(); }),
      FParent(parent),
      FBrush(brushClass(OnChange())),
      FPen(std::make_unique<TKelPen>(OnChange())) {}

TKelCustomShapeBrushPen::~TKelCustomShapeBrushPen() = default;

void TKelCustomShapeBrushPen::SetBrush(TKelBrush* value) {
  FBrush->Assign(value);
}

void TKelCustomShapeBrushPen::SetPen(TKelPen* value) {
  FPen->Assign(value);
}

void TKelCustomShapeBrushPen::Repaint() const {
  RepaintPanel(FParent);
}

void TKelCustomShapeBrushPen::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TKelCustomShapeBrushPen*>(source)) {
    FBrush->Assign(shape->FBrush.get());
    FPen->Assign(shape->FPen.get());
    SetVisible(shape->FVisible);
    return;
  }
  inherited::Assign(source);
}

// Box.

// The rows of the box that descendants publish, each in its own order.
using K = TKelCustomShape;
KEL_PROPERTIES(
    TKelCustomShape,
    Declared(Property(u"Alignment", &K::Alignment, &K::SetAlignment).Default(taLeftJustify)),
    Declared(Property(u"Angle", &K::Angle, &K::SetAngle).Default(0)),
    Declared(Property(u"Bevel", &K::Bevel, &K::SetBevel).Default(bvNone)),
    Declared(Property(u"BevelWidth", &K::BevelWidth, &K::SetBevelWidth).Default(2)),
    Declared(Property(u"Brush", &K::Brush, &K::SetBrush)),
    Declared(Property(u"Children", &K::Children, &K::SetChildren).Stored(&K::IsChildrenStored)),
    Declared(Property(u"ChildLayout", &K::ChildLayout, &K::SetChildLayout).Default(slTopBottom)),
    Declared(Property(u"Color", &K::Color, &K::SetColor).Default(clWhite)),
    Declared(Property(u"Emboss", &K::Emboss, &K::SetEmboss)),
    Declared(Property(u"Font", &K::Font, &K::SetFont)),
    Declared(Property(u"Frame", &K::Pen, &K::SetPen)),
    Declared(Property(u"Pen", &K::Pen, &K::SetPen)),
    Declared(Property(u"Gradient", &K::Gradient, &K::SetGradient).Stored(false)),
    Declared(Property(u"Picture", &K::Picture, &K::SetPicture).Stored(&K::HasPicture)),
    Declared(Property(u"RoundSize", &K::RoundSize, &K::SetRoundSize).Default(16)),
    Declared(Property(u"Shadow", &K::Shadow, &K::SetShadow)),
    Declared(Property(u"ShapeCallout", &K::ShapeCallout, &K::SetShapeCallout)),
    Declared(Property(u"ShapeStyle", &K::ShapeStyle, &K::SetShapeStyle).Default(fosRectangle)),
    Declared(Property(u"Transparency", &K::Transparency, &K::SetTransparency).Default(0)),
    Declared(Property(u"Transparent", &K::Transparent, &K::SetTransparent)
                 .NoDefault()
                 .StoredUnlessEqual(&K::DefaultTransparent)),
    Declared(Property(u"Visible", &K::Visible, &K::SetVisible)
                 .NoDefault()
                 .StoredUnlessEqual(&K::DefaultVisible)))

TKelCustomShape::TKelCustomShape(TCustomKelPanel* parent, TBrushClass brushClass)
    : TKelCustomShapeBrushPen(parent, brushClass),
      FChildren(std::make_unique<TKelShapes>(
          this, [this] { return ChildShapeClass()(FParent); }, OnChange())),
      FFont(std::make_unique<TKelFont>(OnChange())),
      FShadow(std::make_unique<TKelShadow>(OnChange())) {
  TKelCustomShape::PrepareShadow(*FShadow);
}

TKelCustomShape::~TKelCustomShape() = default;

void TKelCustomShape::SetRoundSize(int32_t value) {
  if (FRoundSize == value) return;
  FRoundSize = value;
  if (value > 0) FShapeStyle = fosRoundRectangle;
  Changed();
}

void TKelCustomShape::SetChildren(TKelShapes* value) {
  FChildren->Assign(value);
}

void TKelCustomShape::SetFont(TKelFont* value) {
  FFont->Assign(value);
}

void TKelCustomShape::SetShadow(TKelShadow* value) {
  FShadow->Assign(value);
}

TKelGradient* TKelCustomShape::Gradient() {
  return Brush()->Gradient();
}

void TKelCustomShape::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

TKelCorners* TKelCustomShape::Corners() {
  if (!FCorners) FCorners = std::make_unique<TKelCorners>(OnChange());
  return FCorners.get();
}

void TKelCustomShape::SetCorners(TKelCorners* value) {
  if (value == nullptr) {
    FCorners.reset();
  } else {
    Corners()->Assign(value);
  }
}

TKelEmboss* TKelCustomShape::Emboss() {
  if (!FEmboss) {
    FEmboss = std::make_unique<TKelEmboss>(OnChange());
    PrepareEmboss(*FEmboss);
  }
  return FEmboss.get();
}

void TKelCustomShape::SetEmboss(TKelEmboss* value) {
  if (value == nullptr) {
    FEmboss.reset();
  } else {
    Emboss()->Assign(value);
  }
}

TBackImage* TKelCustomShape::Picture() {
  if (!FPicture) {
    FPicture = std::make_unique<TBackImage>();
    FPicture->SetOnChange(OnChange());
  }
  return FPicture.get();
}

void TKelCustomShape::SetPicture(TBackImage* value) {
  if (value == nullptr) {
    FPicture.reset();
  } else {
    Picture()->Assign(value);
  }
}

TShapeCallout* TKelCustomShape::ShapeCallout() {
  if (!FCallout) FCallout = std::make_unique<TShapeCallout>(this, OnChange());
  return FCallout.get();
}

void TKelCustomShape::SetShapeCallout(TShapeCallout* value) {
  if (value == nullptr) {
    FCallout.reset();
  } else {
    ShapeCallout()->Assign(value);
  }
}

void TKelCustomShape::PrepareTransparent(bool value) {
  FTransparent = value;
  DefaultTransparent = value;
}

bool TKelCustomShape::IsChildrenStored() const {
  return FChildren->Count() > 0;
}

TKelCustomShape::TShapeClass TKelCustomShape::ChildShapeClass() const {
  return &NewShape<TKelShape>;
}

void TKelCustomShape::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(shadow.Visible(), clBlack, 3);
}

void TKelCustomShape::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(emboss.Visible(), clBlack, 3);
}

void TKelCustomShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TKelCustomShape*>(source)) {
    FAlignment = shape->FAlignment;
    FAngle = shape->FAngle;
    FAutoSize = shape->FAutoSize;
    FBevel = shape->FBevel;
    FBevelWidth = shape->FBevelWidth;
    FChildren->Assign(shape->FChildren.get());
    FChildLayout = shape->FChildLayout;
    FColor = shape->FColor;
    SetCorners(shape->FCorners.get());
    FFont->Assign(shape->FFont.get());
    FShapeStyle = shape->FShapeStyle;
    SetPicture(shape->FPicture.get());
    // The field, not the setter: the copied ShapeStyle stays.
    FRoundSize = shape->FRoundSize;
    SetEmboss(shape->FEmboss.get());
    FShadow->Assign(shape->FShadow.get());
    SetShapeCallout(shape->FCallout.get());
    FTransparent = shape->FTransparent;
    FTransparency = shape->FTransparency;
  }
  inherited::Assign(source);
}

void TKelCustomShape::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"ShadowColor", [this](TReader& reader) { ReadShadowColor(reader); }, nullptr, false);
  filer.DefineProperty(
      u"ShadowSize", [this](TReader& reader) { FShadow->SetSize(reader.ReadInteger()); }, nullptr,
      false);
}

void TKelCustomShape::ReadShadowColor(TReader& reader) {
  if (reader.NextValue() == vaIdent) {
    const std::optional<int32_t> color = IdentToColor(reader.ReadIdent());
    if (!color) throw EReadError(kSInvalidProperty);
    FShadow->SetColor(static_cast<TColor>(*color));
  } else {
    FShadow->SetColor(static_cast<TColor>(reader.ReadInteger()));
  }
}

}  // namespace kel
