// Fonts: the host's runtime font (size derived from the pixel height) and the
// chart's font with a fill brush, a fractional size, outline, shadow and
// emboss.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/attributes/Brush.h"
#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class Locale;
class TKelEmboss;
class TKelGradient;
class TKelHiddenPen;
class TKelPicture;
class TKelShadow;

KEL_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
KEL_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
KEL_ENUM(TFontQuality, fqBest, fqNormal, fqDefault, fqClearType)

// The display's logical pixels per inch, which turns point sizes into pixel
// heights. There is no display to ask while converting, so this is the
// standard desktop value: heights then match files saved on such displays.
inline constexpr int32_t kDisplayPixelsPerInch = 96;

// The face and point size that new chart fonts get and that their Name and
// Height are compared with when written.
extern std::u16string FontDefaultName;
extern int32_t FontDefaultSize;
// The face name used instead of "Arial" on a Japanese system.
inline constexpr const char16_t* kJapaneseGothicFaceName = u"MS UI Gothic";
// On a Japanese system the default size is 9 and the default face "Arial"
// becomes the Japanese gothic face; otherwise nothing changes.
void ApplyLocaleFontDefaults(const Locale& locale);

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c
// is 0 or the result does not fit.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// The host's font.
class TFont : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TFont, TPersistent)

 public:
  explicit TFont(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset value) { SetAndNotify(FCharset, value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { SetAndNotify(FColor, value); }
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value) { SetAndNotify(FHeight, value); }
  const std::u16string& Name() const { return FName; }
  void SetName(std::u16string value) { SetAndNotify(FName, std::move(value)); }
  int32_t Orientation() const { return FOrientation; }
  void SetOrientation(int32_t value) { SetAndNotify(FOrientation, value); }
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch value) { SetAndNotify(FPitch, value); }
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value) { SetAndNotify(FStyle, value); }
  int32_t PixelsPerInch() const { return FPixelsPerInch; }

  // Points, derived from Height.
  int32_t Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }
  void SetSize(int32_t value) { SetHeight(-MulDiv(value, FPixelsPerInch, 72)); }

  void Assign(const TPersistent* source) override;

 protected:
  TFontCharset FCharset = DEFAULT_CHARSET;
  TColor FColor = clBlack;
  int32_t FHeight = 0;
  std::u16string FName;
  int32_t FOrientation = 0;
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  int32_t FPixelsPerInch = kDisplayPixelsPerInch;
};

class TKelFont : public TFont {
  KEL_CLASS(TKelFont, TFont)

 public:
  explicit TKelFont(TNotifyEvent onChange = {});
  ~TKelFont() override;

  TFontQuality Quality() const { return FQuality; }
  void SetQuality(TFontQuality value) { SetAndNotify(FQuality, value); }
  // Size plus its fractional part; setting another value splits it into a
  // whole Size and the fraction.
  float SizeFloat() const { return static_cast<float>(Size()) + FSizeDecimals; }
  void SetSizeFloat(float value);
  double Depth() const { return FDepth; }
  void SetDepth(double value) { SetAndNotify(FDepth, value); }
  int32_t InterCharSize() const { return FInterCharSize; }
  void SetInterCharSize(int32_t value) { SetAndNotify(FInterCharSize, value); }

  TKelBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TKelBrush* value) { FBrush->Assign(value); }
  // The brush's gradient and image.
  TKelGradient* Gradient() { return FBrush->Gradient(); }
  void SetGradient(TKelGradient* value) { FBrush->SetGradient(value); }
  TKelPicture* Picture() { return FBrush->Image(); }
  void SetPicture(TKelPicture* value) { FBrush->SetImage(value); }

  // Created on first access with the font's notification; null frees them.
  TKelEmboss* Emboss();
  void SetEmboss(TKelEmboss* value);
  TKelHiddenPen* OutLine();
  void SetOutLine(TKelHiddenPen* value);
  TKelShadow* Shadow();
  void SetShadow(TKelShadow* value);

  // Sets the font's and its brush's colour with their remembered defaults,
  // without notifying.
  void AssignDefaultColor(TColor value);
  // Sets Style and its remembered default, without notifying.
  void AssignDefaultStyle(TFontStyles value);

  void Assign(const TPersistent* source) override;

  TColor IDefColor = clBlack;
  TFontStyles IDefStyle;

  bool IsHeightStored() const { return Size() != FontDefaultSize; }
  bool IsNameStored() const { return FName != FontDefaultName; }
  bool IsSizeFloatStored() const { return FSizeDecimals != 0; }

 private:
  std::unique_ptr<TKelBrush> FBrush;
  float FSizeDecimals = 0;
  double FDepth = 0;
  int32_t FInterCharSize = 0;
  std::unique_ptr<TKelHiddenPen> FOutLine;
  TFontQuality FQuality = fqDefault;
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelShadow> FShadow;
};

}  // namespace kel
