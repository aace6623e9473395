#include "model/attributes/BackImage.h"

namespace kel {

KEL_PROPERTIES(
    TBackImage,
    Property(u"Bottom", &TBackImage::Bottom, &TBackImage::SetBottom).Default(0),
    Property(u"DrawQuality", &TBackImage::DrawQuality, &TBackImage::SetDrawQuality).Default(sqHigh),
    Property(u"Inside", &TBackImage::Inside, &TBackImage::SetInside).Default(false),
    Property(u"Left", &TBackImage::Left, &TBackImage::SetLeft).Default(0),
    Property(u"Mode", &TBackImage::Mode, &TBackImage::SetMode).Default(pbmStretch),
    Property(u"Right", &TBackImage::Right, &TBackImage::SetRight).Default(0),
    Property(u"Top", &TBackImage::Top, &TBackImage::SetTop).Default(0))

void TBackImage::Assign(const TPersistent* source) {
  if (const auto* image = dynamic_cast<const TBackImage*>(source)) {
    FBottom = image->FBottom;
    FDrawQuality = image->FDrawQuality;
    FInside = image->FInside;
    FLeft = image->FLeft;
    FMode = image->FMode;
    FRight = image->FRight;
    FTop = image->FTop;
  }
  inherited::Assign(source);
}

}  // namespace kel
