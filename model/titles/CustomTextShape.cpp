#include "model/titles/CustomTextShape.h"

#include "model/attributes/Brush.h"
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

// The rows of the text that descendants publish, each in its own order.
using T = TCustomTextShape;
KEL_PROPERTIES(
    TCustomTextShape,
    Declared(Property(u"ClipText", &T::ClipText, &T::SetClipText).Default(true)),
    Declared(Property(u"Cursor", &T::Cursor, &T::SetCursor).Default(crDefault)),
    Declared(Property(u"Margins", &T::Margins, &T::SetMargins)),
    Declared(Property(u"Text", &T::Text, &T::SetText)),
    Declared(Property(u"TextAlignment", &T::TextAlignment, &T::SetTextAlignment)
                 .NoDefault()
                 .StoredUnlessEqual(&T::IDefaultTextAlign)),
    Declared(Property(u"TextFormat", &T::TextFormat, &T::SetTextFormat).Default(ttfNormal)),
    Declared(
        Property(u"VertTextAlign", &T::VertTextAlign, &T::SetVertTextAlign).Default(vtaCenter)))

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

}  // namespace kel
