#include "model/series/SeriesMarks.h"

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
#include "model/series/SeriesLegend.h"
#include "persist/ClassRegistry.h"
#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel {

namespace {

constexpr TColor kMarksShadowColor = static_cast<TColor>(0x808080);
constexpr int32_t kMarksShadowSize = 3;
// The buffer of the reader and writer of the "Items" block.
constexpr int kItemsBufferSize = 1024;

}  // namespace

using M = TSeriesMarks;
KEL_PROPERTIES(
    TSeriesMarks,
    Published({u"Bevel", u"BevelWidth", u"Brush", u"Children", u"ChildLayout", u"Emboss", u"Font",
               u"Frame", u"Gradient", u"Picture"}),
    Redeclared(u"RoundSize").Default(4),
    Published({u"Shadow"}),
    Redeclared(u"ShapeStyle").Default(fosRoundRectangle),
    Published({u"Transparency", u"Transparent", u"Visible", u"ClipText", u"Cursor", u"Margins"}),
    Redeclared(u"TextAlignment").NoDefault().Stored(&M::IsTextAlignmentStoredForMarks),
    Published({u"TextFormat"}),
    Property(u"VertTextAlign", &M::VertTextAlign, &M::SetVertTextAlign).Default(vtaCenter),
    Property(u"Style", &M::Style, &M::SetStyle).Default(smsLabelOrValue),
    Property(u"Angle", &M::Angle, &M::SetAngle).Default(0),
    Property(u"Arrow", &M::Arrow, &M::SetArrow),
    Property(u"ArrowLength", &M::ArrowLength, &M::SetArrowLength).NoDefault().Stored(false),
    Property(u"AutoHide", &M::AutoHide, &M::SetAutoHide).Default(maHide),
    Property(u"AutoPosition", &M::AutoPosition, &M::SetAutoPosition).Default(true),
    Property(u"BackColor", &M::BackColor, &M::SetBackColor).Default(TSeriesMarks::kMarksColor),
    Property(u"Callout", &M::Callout, &M::SetCallout),
    Property(u"Clip", &M::Clip, &M::SetClip).Default(false),
    Property(u"DrawEvery", &M::DrawEvery, &M::SetDrawEvery).Default(1),
    Property(u"MultiLine", &M::MultiLine, &M::SetMultiLine).Default(false),
    Property(u"SoftClip", &M::SoftClip, &M::SetSoftClip).Default(false),
    Property(u"Symbol", &M::Symbol, &M::SetSymbol),
    Property(u"TextAlign", &M::TextAlign, &M::SetTextAlign).Default(taCenter),
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

}  // namespace kel
