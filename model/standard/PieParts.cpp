#include "model/standard/PieParts.h"

#include "model/chart/AxisPanel.h"
#include "model/series/ChartSeries.h"
#include "model/attributes/Gradient.h"
#include "model/titles/Legend.h"
#include "model/attributes/Pen.h"
#include "persist/Filer.h"
#include "persist/Reader.h"

namespace kel {

namespace {

constexpr TColor kCircledShadowColor = static_cast<TColor>(0xA0A0A0);
constexpr int32_t kCircledShadowSize = 3;

}  // namespace

KEL_PROPERTIES(TCircledShadow)

TCircledShadow::TCircledShadow(TNotifyEvent onChange) : TKelShadow(std::move(onChange)) {
  AssignShadowDefaults(Visible(), kCircledShadowColor, kCircledShadowSize);
}

KEL_PROPERTIES(TCircledEmboss)

TCircledEmboss::TCircledEmboss(TNotifyEvent onChange) : TKelEmboss(std::move(onChange)) {
  AssignShadowDefaults(Visible(), kCircledShadowColor, kCircledShadowSize);
}

// --- TSliceValueList ---

int32_t TSliceValueList::Value(int index) const {
  return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)] : 0;
}

void TSliceValueList::SetValue(int index, int32_t value) {
  if (index < 0) return;
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1, 0);
  FItems[static_cast<size_t>(index)] = value;
}

// --- TPieOtherSlice ---

using O = TPieOtherSlice;
KEL_PROPERTIES(TPieOtherSlice, Property(u"Color", &O::FColor, &O::FColor).Default(clDefault),
               Property(u"Legend", &O::Legend, &O::SetLegend),
               Property(u"Style", &O::FStyle, &O::FStyle).Default(poNone),
               Property(u"Text", &O::Text, &O::SetText).Stored(&O::IsTextStored),
               Property(u"Value", &O::FValue, &O::FValue))

TPieOtherSlice::TPieOtherSlice(TChartSeries* pie) : FPie(pie) {}

TPieOtherSlice::~TPieOtherSlice() = default;

std::u16string TPieOtherSlice::Text() const {
  return FText.empty() ? u"Other" : FText;
}

TChartLegend* TPieOtherSlice::Legend() {
  if (!FLegend) {
    FLegend = std::make_unique<TChartLegend>(FPie->ParentChart());
    // Hidden, while its default stays visible: a pie always writes
    // OtherSlice.Legend.Visible = False.
    FLegend->SetVisible(false);
  }
  return FLegend.get();
}

void TPieOtherSlice::SetLegend(TChartLegend* value) {
  Legend()->Assign(value);
}

void TPieOtherSlice::Assign(const TPersistent* source) {
  if (const auto* other = dynamic_cast<const TPieOtherSlice*>(source)) {
    FColor = other->FColor;
    FStyle = other->FStyle;
    FText = other->FText;
    FValue = other->FValue;
    if (other->FLegend) Legend()->Assign(other->FLegend.get());
    return;
  }
  inherited::Assign(source);
}

// --- TPieMarks, TPieBevel ---

using M = TPieMarks;
KEL_PROPERTIES(TPieMarks, Property(u"EmptySlice", &M::FEmptySlice, &M::FEmptySlice).Default(false),
               Property(u"InsideSlice", &M::FInsideSlice, &M::FInsideSlice).Default(false),
               Property(u"Rotated", &M::FRotated, &M::FRotated).Default(false),
               Property(u"VertCenter", &M::FVertCenter, &M::FVertCenter).Default(false),
               Property(u"LegSize", &M::FLegSize, &M::FLegSize).Default(0))

void TPieMarks::Assign(const TPersistent* source) {
  if (const auto* marks = dynamic_cast<const TPieMarks*>(source)) {
    FEmptySlice = marks->FEmptySlice;
    FInsideSlice = marks->FInsideSlice;
    FRotated = marks->FRotated;
    FVertCenter = marks->FVertCenter;
    FLegSize = marks->FLegSize;
    return;
  }
  inherited::Assign(source);
}

using V = TPieBevel;
KEL_PROPERTIES(TPieBevel, Property(u"Bright", &V::FBright, &V::FBright).Default(32),
               Property(u"Percent", &V::FPercent, &V::FPercent).Default(0),
               Property(u"UseBorder", &V::FUseBorder, &V::FUseBorder).Default(true))

void TPieBevel::Assign(const TPersistent* source) {
  if (const auto* bevel = dynamic_cast<const TPieBevel*>(source)) {
    FBright = bevel->FBright;
    FPercent = bevel->FPercent;
    FUseBorder = bevel->FUseBorder;
    return;
  }
  inherited::Assign(source);
}

// --- TFrameBrush ---

KEL_PROPERTIES(TFrameBrush, Property(u"Size", &TFrameBrush::FSize, &TFrameBrush::FSize)
                                .NoDefault()
                                .Stored(&TFrameBrush::IsSizeStored))

TFrameBrush::TFrameBrush(TNotifyEvent onChange, float defaultSize)
    : TKelBrush(std::move(onChange)), FSize(defaultSize), DefaultSize(defaultSize) {}

void TFrameBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TFrameBrush*>(source)) FSize = brush->FSize;
  inherited::Assign(source);
}

// --- TFramedBorder ---

using F = TFramedBorder;
KEL_PROPERTIES(
    TFramedBorder, Property(u"Brush", &F::Brush, &F::SetBrush),
    Property(u"Circled", &F::FCircled, &F::FCircled).NoDefault().Stored(&F::IsCircledStored),
    Property(u"Emboss", &F::Emboss, &F::SetEmboss),
    Property(u"InnerBrush", &F::InnerBrush, &F::SetInnerBrush),
    Property(u"MiddleBrush", &F::MiddleBrush, &F::SetMiddleBrush),
    Property(u"OuterBrush", &F::OuterBrush, &F::SetOuterBrush),
    Property(u"Shadow", &F::Shadow, &F::SetShadow),
    Property(u"Visible", &F::Visible, &F::SetVisible).NoDefault().Stored(&F::IsVisibleStored),
    Property(u"Width", &F::FWidth, &F::FWidth).Default(10))

TFramedBorder::TFramedBorder(TCustomKelPanel* parent)
    : TKelCustomShapeBrushPen(parent),
      FEmboss(std::make_unique<TKelEmboss>(OnChange())),
      FShadow(std::make_unique<TKelShadow>(OnChange())),
      FInnerBrush(std::make_unique<TFrameBrush>(OnChange(), 70.0f)),
      FMiddleBrush(std::make_unique<TFrameBrush>(OnChange(), 10.0f)),
      FOuterBrush(std::make_unique<TFrameBrush>(OnChange(), 20.0f)) {}

TFramedBorder::~TFramedBorder() = default;

void TFramedBorder::Assign(const TPersistent* source) {
  if (const auto* frame = dynamic_cast<const TFramedBorder*>(source)) {
    FCircled = frame->FCircled;
    FWidth = frame->FWidth;
    FEmboss->Assign(frame->FEmboss.get());
    FShadow->Assign(frame->FShadow.get());
    FInnerBrush->Assign(frame->FInnerBrush.get());
    FMiddleBrush->Assign(frame->FMiddleBrush.get());
    FOuterBrush->Assign(frame->FOuterBrush.get());
  }
  inherited::Assign(source);
}

void TFramedBorder::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"ParentSeries", [](TReader& reader) { reader.ReadIdent(); }, nullptr, false);
}

using R = TCircularFrame;
KEL_PROPERTIES(TCircularFrame,
               Property(u"RotationAngle", &R::FRotationAngle, &R::FRotationAngle).Default(0),
               Property(u"TotalAngle", &R::FTotalAngle, &R::FTotalAngle).Default(360))

void TCircularFrame::Assign(const TPersistent* source) {
  if (const auto* frame = dynamic_cast<const TCircularFrame*>(source)) {
    FRotationAngle = frame->FRotationAngle;
    FTotalAngle = frame->FTotalAngle;
  }
  inherited::Assign(source);
}

}  // namespace kel
