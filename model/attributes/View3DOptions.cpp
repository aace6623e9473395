#include "model/attributes/View3DOptions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kel {

KEL_PROPERTIES(
    TView3DOptions,
    Property(u"Elevation", &TView3DOptions::Elevation, &TView3DOptions::SetElevation).Default(345),
    Property(u"FontZoom", &TView3DOptions::FontZoom, &TView3DOptions::SetFontZoom).Default(100),
    Property(u"HorizOffset", &TView3DOptions::HorizOffset, &TView3DOptions::SetHorizOffset)
        .Default(0),
    Property(u"OrthoAngle", &TView3DOptions::OrthoAngle, &TView3DOptions::SetOrthoAngle)
        .Default(45),
    Property(u"Orthogonal", &TView3DOptions::Orthogonal, &TView3DOptions::SetOrthogonal)
        .Default(true),
    Property(u"Perspective", &TView3DOptions::Perspective, &TView3DOptions::SetPerspective)
        .Default(15),
    Property(u"Rotation", &TView3DOptions::Rotation, &TView3DOptions::SetRotation).Default(345),
    Property(u"Tilt", &TView3DOptions::Tilt, &TView3DOptions::SetTilt).Default(0),
    Property(u"VertOffset", &TView3DOptions::VertOffset, &TView3DOptions::SetVertOffset).Default(0),
    Property(u"Zoom", &TView3DOptions::Zoom, &TView3DOptions::SetZoom).Default(100),
    Property(u"ZoomText", &TView3DOptions::ZoomText, &TView3DOptions::SetZoomText)
        .Default(ztManual))

int32_t TView3DOptions::Rounded(double value) {
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  if (std::isnan(value)) return 0;
  return static_cast<int32_t>(std::clamp(std::nearbyint(value), kLow, kHigh));
}

void TView3DOptions::SetPerspective(int32_t value) {
  SetAndNotify(FPerspective, std::min(value, 100));
}

void TView3DOptions::Assign(const TPersistent* source) {
  if (const auto* options = dynamic_cast<const TView3DOptions*>(source)) {
    FElevation = options->FElevation;
    FFontZoom = options->FFontZoom;
    FHorizOffset = options->FHorizOffset;
    FOrthoAngle = options->FOrthoAngle;
    FOrthogonal = options->FOrthogonal;
    FPerspective = options->FPerspective;
    FRotation = options->FRotation;
    FTilt = options->FTilt;
    FVertOffset = options->FVertOffset;
    FZoom = options->FZoom;
    FZOffset = options->FZOffset;
    FZoomText = options->FZoomText;
    Changed();
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
