#include "model/attributes/Pen.h"

#include "model/attributes/Brush.h"

namespace kel {

KEL_PROPERTIES(TPen,
               Property(u"Color", &TPen::Color, &TPen::SetColor).Default(clBlack),
               Property(u"Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy),
               Property(u"Style", &TPen::Style, &TPen::SetStyle).Default(psSolid),
               Property(u"Width", &TPen::Width, &TPen::SetWidth).Default(1))

void TPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TPen*>(source)) {
    FColor = pen->FColor;
    FMode = pen->FMode;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
    Changed();
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelPen,
               Redeclared(u"Width").NoDefault().StoredUnlessEqual(&TKelPen::DefaultWidth),
               Property(u"EndStyle", &TKelPen::EndStyle, &TKelPen::SetEndStyle)
                   .NoDefault()
                   .StoredUnlessEqual(&TKelPen::DefaultEnd),
               Property(u"Fill", &TKelPen::Fill, &TKelPen::SetFill),
               Property(u"JoinStyle", &TKelPen::JoinStyle, &TKelPen::SetJoinStyle)
                   .NoDefault()
                   .StoredUnlessEqual(&TKelPen::DefaultJoin),
               Property(u"SmallDots", &TKelPen::SmallDots, &TKelPen::SetSmallDots).Default(false),
               Property(u"SmallSpace", &TKelPen::SmallSpace, &TKelPen::SetSmallSpace).Default(0),
               Property(u"Visible", &TKelPen::Visible, &TKelPen::SetVisible)
                   .NoDefault()
                   .StoredUnlessEqual(&TKelPen::DefaultVisible))

TKelPen::TKelPen(TNotifyEvent onChange) : TPen(std::move(onChange)) {}

TKelPen::~TKelPen() = default;

TKelBrush* TKelPen::Fill() {
  if (!FFill) FFill = std::make_unique<TKelBrush>(OnChange());
  return FFill.get();
}

void TKelPen::SetFill(TKelBrush* value) {
  if (value == nullptr) {
    FFill.reset();
  } else {
    Fill()->Assign(value);
  }
}

void TKelPen::AssignDefaultEndStyle(TPenEndStyle value) {
  FEndStyle = value;
  DefaultEnd = value;
}

void TKelPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TKelPen*>(source)) {
    FVisible = pen->FVisible;
    FSmallDots = pen->FSmallDots;
    FSmallSpace = pen->FSmallSpace;
    FEndStyle = pen->FEndStyle;
    FJoinStyle = pen->FJoinStyle;
    SetFill(pen->FFill.get());
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelHiddenPen, Redeclared(u"Visible").Default(false))

TKelHiddenPen::TKelHiddenPen(TNotifyEvent onChange) : TKelPen(std::move(onChange)) {
  FVisible = false;
  DefaultVisible = false;
}

KEL_PROPERTIES(TDarkGrayPen, Redeclared(u"Color").Default(clGray))

TDarkGrayPen::TDarkGrayPen(TNotifyEvent onChange) : TKelPen(std::move(onChange)) {
  FColor = clGray;
}

KEL_PROPERTIES(TWhitePen, Redeclared(u"Color").Default(clWhite))

TWhitePen::TWhitePen(TNotifyEvent onChange) : TKelPen(std::move(onChange)) {
  FColor = clWhite;
}

}  // namespace kel
