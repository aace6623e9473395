// The boxed text elements: the text-shape base shared by titles, legend, axis
// titles, label formats and series marks; the text shape that can be placed
// at a custom position; and the text shapes that publish their box, the one
// holding one text and the one holding a list of lines.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/attributes/CustomShape.h"
#include "model/titles/TextMargins.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TStringList;
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

// A text shape that the user may place at a position of their own.
class TKelCustomShapePosition : public TCustomTextShape {
  KEL_CLASS(TKelCustomShapePosition, TCustomTextShape)

 public:
  using TCustomTextShape::TCustomTextShape;

  bool CustomPosition() const { return FCustomPosition; }
  void SetCustomPosition(bool value) { SetAndNotify(FCustomPosition, value); }
  // The shape's left and top bounds; setting either places the shape at a
  // custom position.
  int32_t Left() const { return FLeft; }
  void SetLeft(int32_t value);
  int32_t Top() const { return FTop; }
  void SetTop(int32_t value);

  bool DefaultCustom = false;
  bool IsCustomPositionStored() const { return FCustomPosition != DefaultCustom; }

  void Assign(const TPersistent* source) override;

 private:
  bool FCustomPosition = false;
  int32_t FLeft = 0;
  int32_t FTop = 0;
};

// Publishes the box, the text and the position.
class TTextShape : public TKelCustomShapePosition {
  KEL_CLASS(TTextShape, TKelCustomShapePosition)

 public:
  using TKelCustomShapePosition::TKelCustomShapePosition;
};

// A text shape whose text is a list of lines, published as "Text". The list
// and the single text of the base stay in step.
class TStringsShape : public TTextShape {
  KEL_CLASS(TStringsShape, TTextShape)

 public:
  explicit TStringsShape(TCustomKelPanel* parent);
  ~TStringsShape() override;

  TStringList* Lines() const { return FTitleText.get(); }
  void SetLines(TStrings* value);
  // The first line, or empty; setting it replaces the lines by its lines.
  std::u16string Caption() const;
  void SetCaption(const std::u16string& value);

  void Assign(const TPersistent* source) override;

 protected:
  // The text was set directly: the lines follow it.
  void TextChanged() override;

 private:
  // The lines changed: the text follows them.
  void LinesChanged();

  std::unique_ptr<TStringList> FTitleText;
  // Set while the lines are refilled from the text.
  bool FFollowingText = false;
};

}  // namespace kel
