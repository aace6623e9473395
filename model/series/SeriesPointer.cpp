#include "model/series/SeriesPointer.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Picture.h"
#include "model/attributes/Shadow.h"
#include "model/series/ChartSeries.h"

namespace kel {

namespace {

constexpr int32_t kPointerShadowSize = 3;

template <class S>
std::unique_ptr<S> NewHiddenShadow(TNotifyEvent onChange) {
  auto shadow = std::make_unique<S>(std::move(onChange));
  shadow->AssignShadowDefaults(false, shadow->DefaultColor, kPointerShadowSize);
  return shadow;
}

}  // namespace

// --- TSeriesPointer ---

using P = TSeriesPointer;
KEL_PROPERTIES(TSeriesPointer,
               Property(u"Brush", &P::Brush, &P::SetBrush),
               Property(u"Dark3D", &P::Dark3D, &P::SetDark3D).Default(true),
               Property(u"Depth", &P::Depth, &P::SetDepth).Default(0),
               Property(u"Draw3D", &P::Draw3D, &P::SetDraw3D).Default(true),
               Property(u"Emboss", &P::Emboss, &P::SetEmboss),
               Property(u"FullGradient", &P::FullGradient, &P::SetFullGradient)
                   .NoDefault()
                   .StoredUnlessEqual(&P::DefaultFullGradient),
               Property(u"Gradient", &P::Gradient, &P::SetGradient),
               Property(u"HorizSize", &P::HorizSize, &P::SetHorizSize).Default(4),
               Property(u"InflateMargins", &P::InflateMargins, &P::SetInflateMargins).NoDefault(),
               Property(u"Pen", &P::Pen, &P::SetPen),
               Property(u"Picture", &P::Picture, &P::SetPicture),
               Property(u"Shadow", &P::Shadow, &P::SetShadow),
               Property(u"Style", &P::Style, &P::SetStyle).NoDefault(),
               Property(u"Transparency", &P::Transparency, &P::SetTransparency).Default(0),
               Property(u"VertSize", &P::VertSize, &P::SetVertSize).Default(4),
               Property(u"Visible", &P::Visible, &P::SetVisible)
                   .NoDefault()
                   .StoredUnlessEqual(&P::DefaultVisible))

TSeriesPointer::TSeriesPointer(TChartSeries* series)
    : TKelCustomShapeBrushPen(nullptr), FSeries(series) {}

TSeriesPointer::~TSeriesPointer() = default;

void TSeriesPointer::AssignDefaultFullGradient(bool value) {
  DefaultFullGradient = value;
  FFullGradient = value;
}

void TSeriesPointer::SetHorizSize(int32_t value) {
  if (AllowChangeSize) SetAndNotify(FHorizSize, value);
}

void TSeriesPointer::SetVertSize(int32_t value) {
  if (AllowChangeSize) SetAndNotify(FVertSize, value);
}

TKelGradient* TSeriesPointer::Gradient() {
  return Brush()->Gradient();
}

void TSeriesPointer::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

TKelEmboss* TSeriesPointer::Emboss() {
  if (!FEmboss) FEmboss = NewHiddenShadow<TKelEmboss>(OnChange());
  return FEmboss.get();
}

void TSeriesPointer::SetEmboss(TKelEmboss* value) {
  Emboss()->Assign(value);
}

TKelShadow* TSeriesPointer::Shadow() {
  if (!FShadow) FShadow = NewHiddenShadow<TKelShadow>(OnChange());
  return FShadow.get();
}

void TSeriesPointer::SetShadow(TKelShadow* value) {
  Shadow()->Assign(value);
}

TKelPicture* TSeriesPointer::Picture() {
  if (!FPicture) FPicture = std::make_unique<TKelPicture>(OnChange());
  return FPicture.get();
}

void TSeriesPointer::SetPicture(TKelPicture* value) {
  Picture()->Assign(value);
}

void TSeriesPointer::Assign(const TPersistent* source) {
  if (const auto* pointer = dynamic_cast<const TSeriesPointer*>(source)) {
    FDark3D = pointer->FDark3D;
    FDepth = pointer->FDepth;
    FDraw3D = pointer->FDraw3D;
    FFullGradient = pointer->FFullGradient;
    FHorizSize = pointer->FHorizSize;
    FInflateMargins = pointer->FInflateMargins;
    FStyle = pointer->FStyle;
    FTransparency = pointer->FTransparency;
    FVertSize = pointer->FVertSize;
    if (pointer->FEmboss) Emboss()->Assign(pointer->FEmboss.get());
    if (pointer->FShadow) Shadow()->Assign(pointer->FShadow.get());
    if (pointer->FPicture) Picture()->Assign(pointer->FPicture.get());
  }
  inherited::Assign(source);
}

}  // namespace kel
