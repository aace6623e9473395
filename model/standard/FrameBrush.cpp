#include "model/standard/FrameBrush.h"

namespace kel {

KEL_PROPERTIES(TFrameBrush,
               Property(u"Size", &TFrameBrush::FSize, &TFrameBrush::FSize)
                   .NoDefault()
                   .StoredUnlessEqual(&TFrameBrush::DefaultSize))

TFrameBrush::TFrameBrush(TNotifyEvent onChange, float defaultSize)
    : TKelBrush(std::move(onChange)), FSize(defaultSize), DefaultSize(defaultSize) {}

void TFrameBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TFrameBrush*>(source)) FSize = brush->FSize;
  inherited::Assign(source);
}

}  // namespace kel
