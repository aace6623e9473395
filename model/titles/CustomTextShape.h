// The text-shape base shared by titles, legend, axis titles, label formats
// and series marks, and the conversions between a text and its lines.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/attributes/CustomShape.h"
#include "model/titles/Margins.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TStrings;

KEL_ENUM(TTextFormat, ttfNormal, ttfHtml)

// The lines of a text: breaks are CR LF, CR or LF; a break at the very end
// starts no further line.
void SplitTextLines(std::u16string_view text, TStrings& lines);
// Each line followed by CR LF, without the last CR LF unless that would leave
// two characters or fewer.
std::u16string JoinTextLines(const TStrings& lines);
KEL_ENUM(TVertTextAlign, vtaCenter, vtaTop, vtaBottom)

class TCustomTextShape : public TKelCustomShape {
  KEL_CLASS(TCustomTextShape, TKelCustomShape)

 public:
  explicit TCustomTextShape(TCustomKelPanel* parent);
  ~TCustomTextShape() override;

  bool ClipText() const { return FClipText; }
  void SetClipText(bool value) { SetAndNotify(FClipText, value); }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value) { SetAndNotify(FCursor, value); }
  TMargins* Margins() const { return FMargins.get(); }
  void SetMargins(TMargins* value) { FMargins->Assign(value); }
  TTextFormat TextFormat() const { return FTextFormat; }
  void SetTextFormat(TTextFormat value) { SetAndNotify(FTextFormat, value); }
  TVertTextAlign VertTextAlign() const { return FVertTextAlign; }
  void SetVertTextAlign(TVertTextAlign value) { SetAndNotify(FVertTextAlign, value); }

  // Changes the value only; written when it differs from IDefaultTextAlign.
  TAlignment TextAlignment() const { return FTextAlign; }
  void SetTextAlignment(TAlignment value) { SetAndNotify(FTextAlign, value); }
  // Sets TextAlignment and the default it is written against.
  void SetDefaultTextAlign(TAlignment value);
  bool IsTextAlignmentStored() const { return FTextAlign != IDefaultTextAlign; }

  const std::u16string& Text() const { return FText; }
  // Stores a different text, then runs TextChanged.
  void SetText(const std::u16string& value);

  void Assign(const TPersistent* source) override;
  // Children of a text shape are text shapes.
  TShapeClass ChildShapeClass() const override;

  TAlignment IDefaultTextAlign = taLeftJustify;

 protected:
  // Runs after the text changed; repaints.
  virtual void TextChanged();
  // Stores the text without running TextChanged.
  void StoreText(std::u16string value) { FText = std::move(value); }

 private:
  bool FClipText = true;
  TCursor FCursor = crDefault;
  std::unique_ptr<TMargins> FMargins;
  TAlignment FTextAlign = taLeftJustify;
  TTextFormat FTextFormat = ttfNormal;
  TVertTextAlign FVertTextAlign = vtaCenter;
  std::u16string FText;
};

}  // namespace kel
