#include "model/series/SeriesMarks.h"

#include <algorithm>

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/attributes/Shape.h"
#include "model/attributes/ShapeCallout.h"
#include "model/series/ChartSeries.h"
#include "persist/ClassRegistry.h"
#include "persist/Reader.h"
#include "persist/ScopeRestore.h"
#include "persist/StringList.h"
#include "persist/Writer.h"

namespace kel {

namespace {

constexpr TColor kMarksShadowColor = static_cast<TColor>(0x808080);
constexpr int32_t kMarksShadowSize = 3;
constexpr int32_t kSymbolShadowSize = 1;
// The buffer of the reader and writer of the "Items" block.
constexpr int kItemsBufferSize = 1024;

}  // namespace

// --- Positions ---

TSeriesMarkPosition* TSeriesMarksPositions::Position(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return FItems[static_cast<size_t>(index)].get();
}

void TSeriesMarksPositions::SetPosition(int index, const TSeriesMarkPosition& position) {
  if (index >= Count()) FItems.resize(static_cast<size_t>(index) + 1);
  FItems[static_cast<size_t>(index)] = std::make_unique<TSeriesMarkPosition>(position);
}

void TSeriesMarksPositions::Append(const TSeriesMarkPosition& position) {
  FItems.push_back(std::make_unique<TSeriesMarkPosition>(position));
}

void TSeriesMarksPositions::Delete(int index) {
  if (index < Count()) FItems.erase(FItems.begin() + index);
}

void TSeriesMarksPositions::Exchange(int index1, int index2) {
  const int needed = std::max(index1, index2) + 1;
  if (needed > Count()) FItems.resize(static_cast<size_t>(needed));
  std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

bool TSeriesMarksPositions::HasCustom() const {
  return std::any_of(FItems.begin(), FItems.end(),
                     [](const auto& position) { return position && position->Custom; });
}

// --- TSeriesMarkShape ---

KEL_PROPERTIES(TSeriesMarkShape)

void TSeriesMarkShape::Assign(const TPersistent* source) {
  if (const auto* shape = dynamic_cast<const TSeriesMarkShape*>(source)) {
    FStyle = shape->FStyle;
  }
  inherited::Assign(source);
}

// --- TMarksItem ---

using I = TMarksItem;
KEL_PROPERTIES(TMarksItem, Property(u"Bevel", &I::Bevel, &I::SetBevel).Default(bvNone),
               Property(u"BevelWidth", &I::BevelWidth, &I::SetBevelWidth).Default(2),
               Property(u"Children", &I::Children, &I::SetChildren).Stored(&I::IsChildrenStored),
               Property(u"ChildLayout", &I::ChildLayout, &I::SetChildLayout).Default(slTopBottom),
               Property(u"Color", &I::Color, &I::SetColor).Default(TSeriesMarks::kMarksColor),
               Property(u"Emboss", &I::Emboss, &I::SetEmboss),
               Property(u"Font", &I::Font, &I::SetFont),
               Property(u"Gradient", &I::Gradient, &I::SetGradient).Stored(false),
               Property(u"Picture", &I::Picture, &I::SetPicture).Stored(&I::HasPicture),
               Property(u"Shadow", &I::Shadow, &I::SetShadow),
               Property(u"ShapeCallout", &I::ShapeCallout, &I::SetShapeCallout),
               Property(u"ShapeStyle", &I::ShapeStyle, &I::SetShapeStyle).Default(fosRectangle),
               Property(u"Text", &I::Lines, &I::SetLines),
               Property(u"Transparency", &I::Transparency, &I::SetTransparency).Default(0),
               Property(u"Transparent", &I::Transparent, &I::SetTransparent)
                   .NoDefault()
                   .Stored(&I::IsTransparentStored))

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

// --- TSeriesMarksSymbol ---

using Y = TSeriesMarksSymbol;
KEL_PROPERTIES(
    TSeriesMarksSymbol, Property(u"Bevel", &Y::Bevel, &Y::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &Y::BevelWidth, &Y::SetBevelWidth).Default(2),
    Property(u"Brush", &Y::Brush, &Y::SetBrush),
    Property(u"Children", &Y::Children, &Y::SetChildren).Stored(&Y::IsChildrenStored),
    Property(u"ChildLayout", &Y::ChildLayout, &Y::SetChildLayout).Default(slTopBottom),
    Property(u"Emboss", &Y::Emboss, &Y::SetEmboss), Property(u"Frame", &Y::Pen, &Y::SetPen),
    Property(u"Gradient", &Y::Gradient, &Y::SetGradient).Stored(false),
    Property(u"Pen", &Y::Pen, &Y::SetPen),
    Property(u"Picture", &Y::Picture, &Y::SetPicture).Stored(&Y::HasPicture),
    Property(u"Shadow", &Y::Shadow, &Y::SetShadow),
    Property(u"ShapeCallout", &Y::ShapeCallout, &Y::SetShapeCallout),
    Property(u"ShapeStyle", &Y::ShapeStyle, &Y::SetShapeStyle).Default(fosRectangle),
    Property(u"Transparency", &Y::Transparency, &Y::SetTransparency).Default(0),
    Property(u"Visible", &Y::Visible, &Y::SetVisible).NoDefault().Stored(&Y::IsVisibleStored))

TSeriesMarksSymbol::TSeriesMarksSymbol(TCustomKelPanel* parent) : TKelCustomShape(parent) {
  FVisible = false;
  DefaultVisible = false;
  PrepareTransparent(false);
  TSeriesMarksSymbol::PrepareShadow(*Shadow());
}

void TSeriesMarksSymbol::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(shadow.Visible(), shadow.Color(), kSymbolShadowSize);
}

void TSeriesMarksSymbol::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(emboss.Visible(), emboss.Color(), kSymbolShadowSize);
}

// --- TSeriesMarks ---

using M = TSeriesMarks;
KEL_PROPERTIES(
    TSeriesMarks, Property(u"Bevel", &M::Bevel, &M::SetBevel).Default(bvNone),
    Property(u"BevelWidth", &M::BevelWidth, &M::SetBevelWidth).Default(2),
    Property(u"Brush", &M::Brush, &M::SetBrush),
    Property(u"Children", &M::Children, &M::SetChildren).Stored(&M::IsChildrenStored),
    Property(u"ChildLayout", &M::ChildLayout, &M::SetChildLayout).Default(slTopBottom),
    Property(u"Emboss", &M::Emboss, &M::SetEmboss), Property(u"Font", &M::Font, &M::SetFont),
    Property(u"Frame", &M::Pen, &M::SetPen),
    Property(u"Gradient", &M::Gradient, &M::SetGradient).Stored(false),
    Property(u"Picture", &M::Picture, &M::SetPicture).Stored(&M::HasPicture),
    Property(u"RoundSize", &M::RoundSize, &M::SetRoundSize).Default(4),
    Property(u"Shadow", &M::Shadow, &M::SetShadow),
    Property(u"ShapeStyle", &M::ShapeStyle, &M::SetShapeStyle).Default(fosRoundRectangle),
    Property(u"Transparency", &M::Transparency, &M::SetTransparency).Default(0),
    Property(u"Transparent", &M::Transparent, &M::SetTransparent)
        .NoDefault()
        .Stored(&M::IsTransparentStored),
    Property(u"Visible", &M::Visible, &M::SetVisible).NoDefault().Stored(&M::IsVisibleStored),
    Property(u"ClipText", &M::ClipText, &M::SetClipText).Default(true),
    Property(u"Cursor", &M::Cursor, &M::SetCursor).Default(crDefault),
    Property(u"Margins", &M::Margins, &M::SetMargins),
    Property(u"TextAlignment", &M::TextAlignment, &M::SetTextAlignment)
        .NoDefault()
        .Stored(&M::IsTextAlignmentStoredForMarks),
    Property(u"TextFormat", &M::TextFormat, &M::SetTextFormat).Default(ttfNormal),
    Property(u"VertTextAlign", &M::VertTextAlign, &M::SetVertTextAlign).Default(vtaCenter),
    Property(u"Style", &M::Style, &M::SetStyle).Default(smsLabelOrValue),
    Property(u"Angle", &M::Angle, &M::SetAngle).Default(0),
    Property(u"Arrow", &M::Arrow, &M::SetArrow),
    Property(u"ArrowLength", &M::ArrowLength, &M::SetArrowLength).Stored(false),
    Property(u"AutoHide", &M::AutoHide, &M::SetAutoHide).Default(maHide),
    Property(u"AutoPosition", &M::AutoPosition, &M::SetAutoPosition).Default(true),
    Property(u"BackColor", &M::BackColor, &M::SetBackColor).Default(TSeriesMarks::kMarksColor),
    Property(u"Callout", &M::Callout, &M::SetCallout),
    Property(u"Clip", &M::Clip, &M::SetClip).Default(false),
    Property(u"DrawEvery", &M::DrawEvery, &M::SetDrawEvery).Default(1),
    Property(u"MultiLine", &M::MultiLine, &M::SetMultiLine).Default(false),
    Property(u"SoftClip", &M::SoftClip, &M::SetSoftClip).Default(false),
    Property(u"Symbol", &M::Symbol, &M::SetSymbol),
    Property(u"TextAlign", &M::TextAlign, &M::SetTextAlign)
        .NoDefault()
        .Stored(&M::IsTextAlignStored),
    Property(u"UseSeriesTransparency", &M::UseSeriesTransparency, &M::SetUseSeriesTransparency)
        .Default(true),
    Property(u"Color", &M::Color, &M::SetColor).Default(TSeriesMarks::kMarksColor))

TSeriesMarks::TSeriesMarks(TChartSeries* series)
    : TSeriesMarkShape(nullptr), FSeries(series), FItems(*this) {
  TSeriesMarks::PrepareShadow(*Shadow());
  SetTextAlignment(taCenter);
  Margins()->SetDefaultHoriz(20);
  TKelGradient* gradient = Gradient();
  gradient->AssignDefaultDirection(gdRightLeft);
  gradient->IDefStart = clSilver;
  gradient->IDefEnd = clWhite;
  SetRoundSize(4);
  SetColor(kMarksColor);
  FVisible = false;
  DefaultVisible = false;
}

TSeriesMarks::~TSeriesMarks() = default;

void TSeriesMarks::SetParentChart(TCustomKelPanel* chart) {
  FParent = chart;
  if (FSymbol) FSymbol->SetParentChart(chart);
  if (FCallout) FCallout->SetParentChart(chart);
  FItems.SetParentChart(chart);
}

bool TSeriesMarks::IsTextAlignmentStoredForMarks() const {
  return TextAlignment() != taCenter && IsTextAlignmentStored();
}

TMarksCallout* TSeriesMarks::Callout() {
  if (!FCallout) {
    FCallout = std::make_unique<TMarksCallout>(FSeries);
    FCallout->SetParentChart(FParent);
  }
  return FCallout.get();
}

void TSeriesMarks::SetCallout(TMarksCallout* value) {
  Callout()->Assign(value);
}

TSeriesMarksSymbol* TSeriesMarks::Symbol() {
  if (!FSymbol) FSymbol = std::make_unique<TSeriesMarksSymbol>(FParent);
  return FSymbol.get();
}

void TSeriesMarks::SetSymbol(TSeriesMarksSymbol* value) {
  Symbol()->Assign(value);
}

TWhitePen* TSeriesMarks::Arrow() {
  return Callout()->Arrow();
}

void TSeriesMarks::SetArrow(TWhitePen* value) {
  Callout()->SetArrow(value);
}

int32_t TSeriesMarks::ArrowLength() {
  return Callout()->Length();
}

void TSeriesMarks::SetArrowLength(int32_t value) {
  Callout()->SetLength(value);
}

void TSeriesMarks::Clear() {
  FPositions.Clear();
  if (!FItems.ILoadedFromFile) FItems.Clear();
}

void TSeriesMarks::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(shadow.Visible(), kMarksShadowColor, kMarksShadowSize);
}

void TSeriesMarks::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(emboss.Visible(), kMarksShadowColor, kMarksShadowSize);
}

void TSeriesMarks::Assign(const TPersistent* source) {
  if (const auto* marks = dynamic_cast<const TSeriesMarks*>(source)) {
    FAngle = marks->FAngle;
    FAutoHide = marks->FAutoHide;
    FAutoPosition = marks->FAutoPosition;
    if (marks->FCallout) Callout()->Assign(marks->FCallout.get());
    FClip = marks->FClip;
    FDrawEvery = marks->FDrawEvery;
    FMultiLine = marks->FMultiLine;
    FSoftClip = marks->FSoftClip;
    if (marks->FSymbol) Symbol()->Assign(marks->FSymbol.get());
    FUseSeriesTransparency = marks->FUseSeriesTransparency;
    FontSeriesColor = marks->FontSeriesColor;
    OnTop = marks->OnTop;
  }
  inherited::Assign(source);
}

void TSeriesMarks::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineBinaryProperty(
      u"Items", [this](TStream& stream) { ReadItems(stream); },
      [this](TStream& stream) { WriteItems(stream); }, FItems.Count() > 0);
}

void TSeriesMarks::WriteItems(TStream& stream) {
  const auto count = static_cast<int32_t>(FItems.Count());
  TWriter writer(stream, kItemsBufferSize);
  writer.Write(&count, sizeof(count));
  for (int i = 0; i < count; ++i) {
    writer.WriteListBegin();
    writer.WriteProperties(*FItems.Item(i));
    writer.WriteListEnd();
  }
}

void TSeriesMarks::ReadItems(TStream& stream) {
  TReader reader(stream, kItemsBufferSize);
  int32_t count = 0;
  reader.Read(&count, sizeof(count));
  if (count < 1) return;
  FItems.ILoadedFromFile = true;
  for (int i = 0; i < count; ++i) {
    TMarksItem* item = FItems.Item(i);
    reader.ReadListBegin();
    while (!reader.EndOfList()) reader.ReadPropertyEntry(*item);
    reader.ReadListEnd();
  }
}

void RegisterSeriesMarksClasses() {
  RegisterClasses({&TSeriesMarks::StaticClassInfo(), &TSeriesMarkShape::StaticClassInfo(),
                   &TMarksItem::StaticClassInfo(), &TSeriesMarksSymbol::StaticClassInfo(),
                   &TSeriesPointer::StaticClassInfo(), &TCallout::StaticClassInfo(),
                   &TMarksCallout::StaticClassInfo(), &TSeriesLegend::StaticClassInfo()});
}

// --- TSeriesLegend ---

using G = TSeriesLegend;
KEL_PROPERTIES(
    TSeriesLegend, Property(u"Picture", &G::Picture, &G::SetPicture).Stored(&G::HasPicture),
    Property(u"Text", &G::Text, &G::SetText),
    Property(u"Visible", &G::Visible, &G::SetVisible).NoDefault().Stored(&G::IsVisibleStored))

}  // namespace kel
