#include "model/attributes/Gradient.h"

#include <algorithm>

namespace kel {

KEL_PROPERTIES(
    TCustomKelGradient,
    Property(u"Angle", &TCustomKelGradient::Angle, &TCustomKelGradient::SetAngle).Default(0),
    Property(u"Balance", &TCustomKelGradient::Balance, &TCustomKelGradient::SetBalance).Default(50),
    Property(u"Colors", &TCustomKelGradient::Colors, &TCustomKelGradient::SetColors)
        .Stored(&TCustomKelGradient::IsColorsStored),
    Property(u"Direction", &TCustomKelGradient::Direction, &TCustomKelGradient::SetDirection)
        .NoDefault()
        .StoredUnlessEqual(&TCustomKelGradient::IDefDirection),
    Property(u"EndColor", &TCustomKelGradient::EndColor, &TCustomKelGradient::SetEndColor)
        .NoDefault()
        .Stored(&TCustomKelGradient::IsEndColorStored),
    Property(u"MidColor", &TCustomKelGradient::MidColor, &TCustomKelGradient::SetMidColor)
        .NoDefault()
        .Stored(&TCustomKelGradient::IsMidColorStored),
    Property(u"RadialX", &TCustomKelGradient::RadialX, &TCustomKelGradient::SetRadialX).Default(0),
    Property(u"RadialY", &TCustomKelGradient::RadialY, &TCustomKelGradient::SetRadialY).Default(0),
    Property(u"StartColor", &TCustomKelGradient::StartColor, &TCustomKelGradient::SetStartColor)
        .NoDefault()
        .Stored(&TCustomKelGradient::IsStartColorStored))

TCustomKelGradient::TCustomKelGradient(TNotifyEvent onChange)
    : TChangeNotifier(std::move(onChange)) {}

TCustomKelGradient::~TCustomKelGradient() = default;

TKelGradientColors* TCustomKelGradient::Colors() {
  if (!FColors) {
    FColors = std::make_unique<TKelGradientColors>(this, OnChange());
    FColors->Reset(IDefStart, IDefEnd);
  }
  return FColors.get();
}

void TCustomKelGradient::SetColors(TKelGradientColors* value) {
  if (value == nullptr) {
    FColors.reset();
  } else {
    Colors()->Assign(value);
  }
}

bool TCustomKelGradient::IsColorsStored() const {
  if (!FColors) return false;
  const auto item = [this](int index) -> const TKelGradientColor& {
    return static_cast<const TKelGradientColor&>(*FColors->Items(index));
  };
  const auto at = [&](int index, double offset) {
    return item(index).Offset() == offset && item(index).Transparency() == 0;
  };
  switch (FColors->Count()) {
    case 2:
      return !(at(0, 0) && at(1, 1));
    case 3:
      return !(at(0, 0) && at(1, 0.5) && at(2, 1));
    default:
      return true;
  }
}

TColor TCustomKelGradient::StartColor() const {
  if (!FColors) return IDefStart;
  if (FColors->Count() == 0) return clNone;
  return static_cast<const TKelGradientColor*>(FColors->Items(0))->Color();
}

void TCustomKelGradient::SetStartColor(TColor value) {
  Colors()->Item(0).SetColor(value);
  Changed();
}

TColor TCustomKelGradient::EndColor() const {
  if (!FColors) return IDefEnd;
  if (FColors->Count() == 0) return clNone;
  return static_cast<const TKelGradientColor*>(FColors->Items(FColors->Count() - 1))->Color();
}

void TCustomKelGradient::SetEndColor(TColor value) {
  TKelGradientColors& colors = *Colors();
  // An emptied list gets its one colour back as item 0.
  colors.Item(std::max(colors.Count() - 1, 0)).SetColor(value);
  if (FStartIsEnd) colors.Item(0).SetColor(value);
  Changed();
}

TColor TCustomKelGradient::MidColor() const {
  if (!FColors) return IDefMid;
  if (FColors->Count() < 3) return clNone;
  return static_cast<const TKelGradientColor*>(FColors->Items(1))->Color();
}

void TCustomKelGradient::SetMidColor(TColor value) {
  if (value == clNone) {
    if (FColors && FColors->Count() > 2) FColors->Delete(1);
    return;
  }
  TKelGradientColors& colors = *Colors();
  if (colors.Count() <= 2) {
    colors.Item(0);  // the middle goes after a start colour, even in an emptied list
    auto* inserted = colors.TCollection::Add<TKelGradientColor>();
    inserted->SetOffset(0.5);
    inserted->SetIndex(1);
  }
  TKelGradientColor& middle = colors.Item(1);
  if (middle.Color() == value) return;
  middle.SetColor(value);
  IMidColor = value;
  Changed();
}

void TCustomKelGradient::AssignDefaultDirection(TGradientDirection value) {
  FDirection = value;
  IDefDirection = value;
}

void TCustomKelGradient::Assign(const TPersistent* source) {
  if (const auto* gradient = dynamic_cast<const TCustomKelGradient*>(source)) {
    FAngle = gradient->FAngle;
    FBalance = gradient->FBalance;
    FDirection = gradient->FDirection;
    FRadialX = gradient->FRadialX;
    FRadialY = gradient->FRadialY;
    FVisible = gradient->FVisible;
    FStartIsEnd = gradient->FStartIsEnd;
    SetColors(gradient->FColors.get());
    Changed();
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TSubGradient,
               Property(u"Transparency",
                        &TSubGradient::Transparency,
                        &TSubGradient::SetTransparency)
                   .Default(50),
               Property(u"Visible", &TSubGradient::Visible, &TSubGradient::SetVisible)
                   .NoDefault()
                   .StoredUnlessEqual(&TSubGradient::IDefVisible))

void TSubGradient::Assign(const TPersistent* source) {
  if (const auto* sub = dynamic_cast<const TSubGradient*>(source)) {
    FTransparency = sub->FTransparency;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelGradient,
               Property(u"SubGradient", &TKelGradient::SubGradient, &TKelGradient::SetSubGradient)
                   .Stored(&TKelGradient::HasSubGradient),
               Property(u"Visible", &TKelGradient::Visible, &TKelGradient::SetVisible)
                   .NoDefault()
                   .StoredUnlessEqual(&TKelGradient::IDefVisible))

TKelGradient::~TKelGradient() = default;

TSubGradient* TKelGradient::SubGradient() {
  if (!FSub) FSub = std::make_unique<TSubGradient>(OnChange());
  return FSub.get();
}

void TKelGradient::SetSubGradient(TSubGradient* value) {
  if (value == nullptr) {
    FSub.reset();
  } else {
    SubGradient()->Assign(value);
  }
}

void TKelGradient::Assign(const TPersistent* source) {
  if (const auto* gradient = dynamic_cast<const TKelGradient*>(source)) {
    SetSubGradient(gradient->FSub.get());
  }
  inherited::Assign(source);
}

}  // namespace kel
