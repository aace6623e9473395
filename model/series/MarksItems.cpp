#include "model/series/MarksItems.h"

#include <algorithm>

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "model/series/SeriesMarks.h"
#include "persist/ScopeRestore.h"
#include "persist/StringList.h"

namespace kel {

using I = TMarksItem;
KEL_PROPERTIES(TMarksItem,
               Published({u"Bevel", u"BevelWidth", u"Children", u"ChildLayout"}),
               Redeclared(u"Color").Default(TSeriesMarks::kMarksColor),
               Published({u"Emboss", u"Font", u"Gradient", u"Picture", u"Shadow", u"ShapeCallout",
                          u"ShapeStyle"}),
               Property(u"Text", &I::Lines, &I::SetLines),
               Published({u"Transparency", u"Transparent"}))

TMarksItem::TMarksItem(TCustomKelPanel* parent)
    : TCustomTextShape(parent), FLines(std::make_unique<TStringList>()) {
  FLines->OnChange = [this](TStringList&) { LinesChanged(); };
}

TMarksItem::~TMarksItem() {
  FLines->OnChange = nullptr;
}

void TMarksItem::SetLines(TStrings* value) {
  FLines->Assign(value);
}

void TMarksItem::LinesChanged() {
  if (FFollowingText) return;
  StoreText(JoinTextLines(*FLines));
  CustomText = true;
  Repaint();
}

void TMarksItem::TextChanged() {
  {
    TScopeRestore<bool> restore(FFollowingText);
    FFollowingText = true;
    SplitTextLines(Text(), *FLines);
  }
  CustomText = true;
  inherited::TextChanged();
}

void TMarksItem::Assign(const TPersistent* source) {
  if (const auto* item = dynamic_cast<const TMarksItem*>(source)) {
    CustomText = item->CustomText;
  }
  inherited::Assign(source);
}

// --- TMarksItems ---

TMarksItem* TMarksItems::Existing(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)].get();
}

TMarksItem* TMarksItems::Item(int index) {
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1);
  auto& slot = FItems[static_cast<size_t>(index)];
  if (!slot) {
    slot = std::make_unique<TMarksItem>(FMarks.Parent());
    // Copies the marks' box and text settings; a fresh item has no text.
    slot->TCustomTextShape::Assign(&FMarks);
    slot->Lines()->Clear();
    slot->CustomText = false;
  }
  return slot.get();
}

void TMarksItems::SetParentChart(TCustomKelPanel* chart) {
  for (auto& item : FItems) {
    if (item) item->SetParentChart(chart);
  }
}

void TMarksItems::Delete(int index) {
  if (index < Count()) FItems.erase(FItems.begin() + index);
}

void TMarksItems::Exchange(int index1, int index2) {
  const int needed = std::max(index1, index2) + 1;
  if (needed > Count()) FItems.resize(static_cast<size_t>(needed));
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

}  // namespace kel
