#include "model/attributes/Corners.h"

namespace kel {

KEL_PROPERTIES(TKelCorner,
               Property(u"Style", &TKelCorner::Style, &TKelCorner::SetStyle).Default(cosRound))

void TKelCorner::Assign(const TPersistent* source) {
  if (const auto* corner = dynamic_cast<const TKelCorner*>(source)) {
    SetStyle(corner->FStyle);
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelCorners,
               Property(u"LeftBottom", &TKelCorners::LeftBottom, &TKelCorners::SetLeftBottom),
               Property(u"LeftTop", &TKelCorners::LeftTop, &TKelCorners::SetLeftTop),
               Property(u"RightBottom", &TKelCorners::RightBottom, &TKelCorners::SetRightBottom),
               Property(u"RightTop", &TKelCorners::RightTop, &TKelCorners::SetRightTop))

TKelCorners::TKelCorners(const TNotifyEvent& onChange)
    : FLeftBottom(std::make_unique<TKelCorner>(onChange)),
      FLeftTop(std::make_unique<TKelCorner>(onChange)),
      FRightBottom(std::make_unique<TKelCorner>(onChange)),
      FRightTop(std::make_unique<TKelCorner>(onChange)) {}

void TKelCorners::Assign(const TPersistent* source) {
  if (const auto* corners = dynamic_cast<const TKelCorners*>(source)) {
    FLeftBottom->Assign(corners->FLeftBottom.get());
    FLeftTop->Assign(corners->FLeftTop.get());
    FRightBottom->Assign(corners->FRightBottom.get());
    FRightTop->Assign(corners->FRightTop.get());
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
