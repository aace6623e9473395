#include "model/standard/FramedBorder.h"

#include "persist/Filer.h"
#include "persist/Reader.h"

namespace kel {

using F = TFramedBorder;
KEL_PROPERTIES(TFramedBorder,
               Property(u"Brush", &F::Brush, &F::SetBrush),
               Property(u"Circled", &F::FCircled, &F::FCircled)
                   .NoDefault()
                   .StoredUnlessEqual(&F::DefaultCircled),
               Property(u"Emboss", &F::Emboss, &F::SetEmboss),
               Property(u"InnerBrush", &F::InnerBrush, &F::SetInnerBrush),
               Property(u"MiddleBrush", &F::MiddleBrush, &F::SetMiddleBrush),
               Property(u"OuterBrush", &F::OuterBrush, &F::SetOuterBrush),
               Property(u"Shadow", &F::Shadow, &F::SetShadow),
               Property(u"Visible", &F::Visible, &F::SetVisible)
                   .NoDefault()
                   .StoredUnlessEqual(&F::DefaultVisible),
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

}  // namespace kel
