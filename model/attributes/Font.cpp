#include "model/attributes/Font.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/attributes/Emboss.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Picture.h"
#include "model/attributes/Shadow.h"
#include "platform/Locale.h"

namespace kel {

std::u16string FontDefaultName = u"Arial";
int32_t FontDefaultSize = 8;

void ApplyLocaleFontDefaults(const Locale& locale) {
  if (!locale.IsJapanese()) return;
  FontDefaultSize = 9;
  if (FontDefaultName == u"Arial") FontDefaultName = kJapaneseGothicFaceName;
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  if (c == 0) return -1;
  const int64_t product = static_cast<int64_t>(a) * b;
  const int64_t magnitude = (std::llabs(product) + std::llabs(static_cast<int64_t>(c)) / 2) /
                            std::llabs(static_cast<int64_t>(c));
  const int64_t result = (product < 0) != (c < 0) ? -magnitude : magnitude;
  if (result > std::numeric_limits<int32_t>::max() ||
      result < std::numeric_limits<int32_t>::min()) {
    return -1;
  }
  return static_cast<int32_t>(result);
}

KEL_PROPERTIES(TFont,
               Property(u"Charset", &TFont::Charset, &TFont::SetCharset).Default(DEFAULT_CHARSET),
               Property(u"Color", &TFont::Color, &TFont::SetColor).NoDefault(),
               Property(u"Height", &TFont::Height, &TFont::SetHeight).NoDefault(),
               Property(u"Name", &TFont::Name, &TFont::SetName),
               Property(u"Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0),
               Property(u"Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault),
               Property(u"Size", &TFont::Size, &TFont::SetSize).NoDefault().Stored(false),
               Property(u"Style", &TFont::Style, &TFont::SetStyle).NoDefault())

void TFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TFont*>(source)) {
    FCharset = font->FCharset;
    FColor = font->FColor;
    FHeight = font->FHeight;
    FName = font->FName;
    FOrientation = font->FOrientation;
    FPitch = font->FPitch;
    FStyle = font->FStyle;
    FPixelsPerInch = font->FPixelsPerInch;
    Changed();
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(
    TKelFont,
    Redeclared(u"Color").StoredUnlessEqual(&TKelFont::IDefColor),
    Redeclared(u"Height").Stored(&TKelFont::IsHeightStored),
    Redeclared(u"Name").Stored(&TKelFont::IsNameStored),
    Redeclared(u"Style").StoredUnlessEqual(&TKelFont::IDefStyle),
    Property(u"Quality", &TKelFont::Quality, &TKelFont::SetQuality).Default(fqDefault),
    Property(u"SizeFloat", &TKelFont::SizeFloat, &TKelFont::SetSizeFloat)
        .Stored(&TKelFont::IsSizeFloatStored),
    Property(u"Brush", &TKelFont::Brush, &TKelFont::SetBrush),
    Property(u"Depth", &TKelFont::Depth, &TKelFont::SetDepth),
    Property(u"Emboss", &TKelFont::Emboss, &TKelFont::SetEmboss),
    Property(u"Gradient", &TKelFont::Gradient, &TKelFont::SetGradient).Stored(false),
    Property(u"InterCharSize", &TKelFont::InterCharSize, &TKelFont::SetInterCharSize).Default(0),
    Property(u"OutLine", &TKelFont::OutLine, &TKelFont::SetOutLine),
    Property(u"Picture", &TKelFont::Picture, &TKelFont::SetPicture).Stored(false),
    Property(u"Shadow", &TKelFont::Shadow, &TKelFont::SetShadow))

TKelFont::TKelFont(TNotifyEvent onChange)
    : TFont(std::move(onChange)), FBrush(std::make_unique<TKelBrush>(OnChange())) {
  AssignDefaultColor(clBlack);
  FCharset = DEFAULT_CHARSET;
  FName = FontDefaultName;
  FHeight = -MulDiv(FontDefaultSize, FPixelsPerInch, 72);
}

TKelFont::~TKelFont() = default;

void TKelFont::SetSizeFloat(float value) {
  // A size that is no number or beyond any point size would overflow the
  // whole part; such a value from a damaged file is ignored.
  constexpr float kLargestSize = 1.0e6f;
  if (std::isnan(value) || std::fabs(value) > kLargestSize || value == SizeFloat()) return;
  const float whole = std::floor(value);
  FSizeDecimals = value - whole;
  FHeight = -MulDiv(static_cast<int32_t>(whole), FPixelsPerInch, 72);
  Changed();
}

TKelEmboss* TKelFont::Emboss() {
  if (!FEmboss) FEmboss = std::make_unique<TKelEmboss>(OnChange());
  return FEmboss.get();
}

void TKelFont::SetEmboss(TKelEmboss* value) {
  if (value == nullptr) {
    FEmboss.reset();
  } else {
    Emboss()->Assign(value);
  }
}

TKelHiddenPen* TKelFont::OutLine() {
  if (!FOutLine) FOutLine = std::make_unique<TKelHiddenPen>(OnChange());
  return FOutLine.get();
}

void TKelFont::SetOutLine(TKelHiddenPen* value) {
  if (value == nullptr) {
    FOutLine.reset();
  } else {
    OutLine()->Assign(value);
  }
}

TKelShadow* TKelFont::Shadow() {
  if (!FShadow) FShadow = std::make_unique<TKelShadow>(OnChange());
  return FShadow.get();
}

void TKelFont::SetShadow(TKelShadow* value) {
  if (value == nullptr) {
    FShadow.reset();
  } else {
    Shadow()->Assign(value);
  }
}

void TKelFont::AssignDefaultColor(TColor value) {
  FBrush->AssignDefaultColor(value);
  FColor = value;
  IDefColor = value;
}

void TKelFont::AssignDefaultStyle(TFontStyles value) {
  FStyle = value;
  IDefStyle = value;
}

void TKelFont::Assign(const TPersistent* source) {
  if (const auto* font = dynamic_cast<const TKelFont*>(source)) {
    FBrush->Assign(font->FBrush.get());
    FDepth = font->FDepth;
    SetEmboss(font->FEmboss.get());
    FInterCharSize = font->FInterCharSize;
    SetOutLine(font->FOutLine.get());
    FQuality = font->FQuality;
    SetShadow(font->FShadow.get());
    FSizeDecimals = font->FSizeDecimals;
  }
  inherited::Assign(source);
}

}  // namespace kel
