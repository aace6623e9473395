#include "model/titles/TextShape.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "persist/ScopeRestore.h"
#include "persist/StringList.h"

namespace kel {

namespace {
constexpr std::u16string_view kLineBreak = u"\r\n";
}  // namespace

void SplitTextLines(std::u16string_view text, TStrings& lines) {
  lines.BeginUpdate();
  lines.Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == std::u16string_view::npos) end = text.size();
    lines.Add(std::u16string(text.substr(start, end - start)));
    start = end;
    if (start < text.size() && text[start] == u'\r') ++start;
    if (start < text.size() && text[start] == u'\n') ++start;
  }
  lines.EndUpdate();
}

std::u16string JoinTextLines(const TStrings& lines) {
  std::u16string text;
  for (int i = 0; i < lines.Count(); ++i) {
    text += lines.Get(i);
    text += kLineBreak;
  }
  if (text.size() > 2) text.resize(text.size() - kLineBreak.size());
  return text;
}

// --- TCustomTextShape ---

KEL_PROPERTIES(TCustomTextShape)

TCustomTextShape::TCustomTextShape(TCustomKelPanel* parent)
    : TKelCustomShape(parent), FMargins(std::make_unique<TMargins>(OnChange())) {}

TCustomTextShape::~TCustomTextShape() = default;

void TCustomTextShape::SetDefaultTextAlign(TAlignment value) {
  IDefaultTextAlign = value;
  SetTextAlignment(value);
}

void TCustomTextShape::SetText(const std::u16string& value) {
  if (FText == value) return;
  FText = value;
  TextChanged();
}

void TCustomTextShape::TextChanged() {
  Repaint();
}

TKelCustomShape::TShapeClass TCustomTextShape::ChildShapeClass() const {
  return &NewShape<TCustomTextShape>;
}

void TCustomTextShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TCustomTextShape*>(source)) {
    FClipText = shape->FClipText;
    FCursor = shape->FCursor;
    FMargins->Assign(shape->FMargins.get());
    FTextAlign = shape->FTextAlign;
    FTextFormat = shape->FTextFormat;
    FVertTextAlign = shape->FVertTextAlign;
    // Through the setter, so that a list of lines follows a single text.
    SetText(shape->FText);
  }
  inherited::Assign(source);
}

// --- TKelCustomShapePosition ---

KEL_PROPERTIES(TKelCustomShapePosition)

void TKelCustomShapePosition::SetLeft(int32_t value) {
  FLeft = value;
  SetCustomPosition(true);
  Repaint();
}

void TKelCustomShapePosition::SetTop(int32_t value) {
  FTop = value;
  SetCustomPosition(true);
  Repaint();
}

void TKelCustomShapePosition::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TKelCustomShapePosition*>(source)) {
    FCustomPosition = shape->FCustomPosition;
    if (FCustomPosition) {
      FLeft = shape->FLeft;
      FTop = shape->FTop;
    }
  }
  inherited::Assign(source);
}

// --- TTextShape ---

using S = TTextShape;
KEL_PROPERTIES(
    TTextShape, Property(u"Alignment", &S::Alignment, &S::SetAlignment).Default(taLeftJustify),
    Property(u"Angle", &S::Angle, &S::SetAngle).Default(0),
    Property(u"Bevel", &S::Bevel, &S::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &S::BevelWidth, &S::SetBevelWidth).Default(2),
    Property(u"Brush", &S::Brush, &S::SetBrush),
    Property(u"Children", &S::Children, &S::SetChildren).Stored(&S::IsChildrenStored),
    Property(u"ChildLayout", &S::ChildLayout, &S::SetChildLayout).Default(slTopBottom),
    Property(u"ClipText", &S::ClipText, &S::SetClipText).Default(true),
    Property(u"Color", &S::Color, &S::SetColor).Default(clWhite),
    Property(u"Cursor", &S::Cursor, &S::SetCursor).Default(crDefault),
    Property(u"CustomPosition", &S::CustomPosition, &S::SetCustomPosition)
        .NoDefault()
        .Stored(&S::IsCustomPositionStored),
    Property(u"Emboss", &S::Emboss, &S::SetEmboss), Property(u"Font", &S::Font, &S::SetFont),
    Property(u"Frame", &S::Pen, &S::SetPen),
    Property(u"Gradient", &S::Gradient, &S::SetGradient).Stored(false),
    Property(u"Left", &S::Left, &S::SetLeft).NoDefault().Stored(&S::CustomPosition),
    Property(u"Margins", &S::Margins, &S::SetMargins),
    Property(u"Picture", &S::Picture, &S::SetPicture).Stored(&S::HasPicture),
    Property(u"Shadow", &S::Shadow, &S::SetShadow),
    Property(u"ShapeCallout", &S::ShapeCallout, &S::SetShapeCallout),
    Property(u"ShapeStyle", &S::ShapeStyle, &S::SetShapeStyle).Default(fosRectangle),
    Property(u"Text", &S::Text, &S::SetText),
    Property(u"TextAlignment", &S::TextAlignment, &S::SetTextAlignment)
        .NoDefault()
        .Stored(&S::IsTextAlignmentStored),
    Property(u"TextFormat", &S::TextFormat, &S::SetTextFormat).Default(ttfNormal),
    Property(u"Top", &S::Top, &S::SetTop).NoDefault().Stored(&S::CustomPosition),
    Property(u"Transparency", &S::Transparency, &S::SetTransparency).Default(0),
    Property(u"Transparent", &S::Transparent, &S::SetTransparent)
        .NoDefault()
        .Stored(&S::IsTransparentStored),
    Property(u"VertTextAlign", &S::VertTextAlign, &S::SetVertTextAlign).Default(vtaCenter),
    Property(u"Visible", &S::Visible, &S::SetVisible).NoDefault().Stored(&S::IsVisibleStored))

// --- TStringsShape ---

KEL_PROPERTIES(TStringsShape, Property(u"Text", &TStringsShape::Lines, &TStringsShape::SetLines))

TStringsShape::TStringsShape(TCustomKelPanel* parent)
    : TTextShape(parent), FTitleText(std::make_unique<TStringList>()) {
  FTitleText->OnChange = [this](TStringList&) { LinesChanged(); };
}

TStringsShape::~TStringsShape() {
  FTitleText->OnChange = nullptr;
}

void TStringsShape::SetLines(TStrings* value) {
  FTitleText->Assign(value);
}

std::u16string TStringsShape::Caption() const {
  return FTitleText->Count() > 0 ? FTitleText->Get(0) : std::u16string();
}

void TStringsShape::SetCaption(const std::u16string& value) {
  SplitTextLines(value, *FTitleText);
}

void TStringsShape::LinesChanged() {
  if (FFollowingText) return;
  StoreText(JoinTextLines(*FTitleText));
  Repaint();
}

void TStringsShape::TextChanged() {
  {
    TScopeRestore<bool> restore(FFollowingText);
    FFollowingText = true;
    SplitTextLines(Text(), *FTitleText);
  }
  inherited::TextChanged();
}

void TStringsShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TStringsShape*>(source)) {
    FTitleText->Assign(shape->FTitleText.get());
  }
  inherited::Assign(source);
}

}  // namespace kel
