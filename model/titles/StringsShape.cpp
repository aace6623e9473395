#include "model/titles/StringsShape.h"

#include "persist/ScopeRestore.h"
#include "persist/StringList.h"

namespace kel {

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
