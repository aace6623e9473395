#include "tests/persist/TestModel.h"

#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"
#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel::testmodel {

std::vector<std::u16string>& LoadFinishedLog() {
  static std::vector<std::u16string> log;
  return log;
}

KEL_PROPERTIES(TTestPen,
               Property(u"Color", &TTestPen::FColor, &TTestPen::FColor).Default(clBlack),
               Property(u"Width", &TTestPen::FWidth, &TTestPen::FWidth)
                   .NoDefault()
                   .Stored(&TTestPen::IsWidthStored),
               Property(u"Visible", &TTestPen::FVisible, &TTestPen::FVisible).Default(true))

void TTestPen::Assign(const TPersistent* source) {
  if (const auto* pen = dynamic_cast<const TTestPen*>(source)) {
    FColor = pen->FColor;
    FWidth = pen->FWidth;
    FVisible = pen->FVisible;
    return;
  }
  inherited::Assign(source);
}

void TTestPen::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"Fail", nullptr, [](TWriter&) { throw EWriteError("Failed on purpose"); }, FailOnWrite);
}

KEL_PROPERTIES(TTestWhitePen,
               Property(u"Glow", &TTestWhitePen::FGlow, &TTestWhitePen::FGlow),
               Redeclared(u"Color").Default(clWhite))

KEL_PROPERTIES(TTestItem,
               Property(u"Value", &TTestItem::FValue, &TTestItem::FValue),
               Property(u"Caption", &TTestItem::FCaption, &TTestItem::FCaption),
               Property(u"Link", &TTestItem::FLink, &TTestItem::FLink))

void TTestItem::Assign(const TPersistent* source) {
  if (const auto* item = dynamic_cast<const TTestItem*>(source)) {
    FValue = item->FValue;
    FCaption = item->FCaption;
    FLink = item->FLink;
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(
    TTestRoot,
    Property(u"Caption", &TTestRoot::FCaption, &TTestRoot::FCaption),
    Property(u"Shape", &TTestRoot::FShape, &TTestRoot::FShape).Default(tsCircle),
    Property(u"Styles", &TTestRoot::FStyles, &TTestRoot::FStyles).Default(TTestStyles{tyBold}),
    Property(u"Ratio", &TTestRoot::FRatio, &TTestRoot::FRatio),
    Property(u"Count", &TTestRoot::FCount, &TTestRoot::SetCount).Default(0),
    Property(u"Big", &TTestRoot::FBig, &TTestRoot::FBig).Default(0),
    Property(u"Letter", &TTestRoot::FLetter, &TTestRoot::FLetter).Default(u'a'),
    Property(u"Cursor", &TTestRoot::FCursor, &TTestRoot::FCursor).Default(crDefault),
    Property(u"Charset", &TTestRoot::FCharset, &TTestRoot::FCharset).Default(DEFAULT_CHARSET),
    Property(u"PlainInt", &TTestRoot::FPlainInt, &TTestRoot::FPlainInt).NoDefault(),
    Property(u"Flagged", &TTestRoot::FFlagged, &TTestRoot::FFlagged)
        .NoDefault()
        .Stored(&TTestRoot::FStoreFlagged),
    IndexedProperty(u"MarginLeft", 0, &TTestRoot::GetMargin, &TTestRoot::SetMargin)
        .Default(0)
        .Stored(&TTestRoot::IsMarginStored),
    IndexedProperty(u"MarginTop", 1, &TTestRoot::GetMargin, &TTestRoot::SetMargin)
        .Default(0)
        .Stored(&TTestRoot::IsMarginStored),
    Property(u"Pen", &TTestRoot::GetPen, &TTestRoot::SetPen),
    Property(u"Border", &TTestRoot::Border, &TTestRoot::SetBorder),
    Property(u"Items", &TTestRoot::Items, &TTestRoot::SetItems),
    Property(u"Lines", &TTestRoot::Lines, &TTestRoot::SetLines),
    Property(u"Master", &TTestRoot::FMaster, &TTestRoot::FMaster),
    Property(u"OnChange", &TTestRoot::FOnChange, &TTestRoot::FOnChange),
    Property(u"ReadOnlyCount", &TTestRoot::ReadOnlyCount).Default(0),
    PublishedMethod(u"RootChanged", &TTestRoot::RootChanged))

TTestRoot::TTestRoot(TComponent* owner)
    : TComponent(owner),
      FItems(std::make_unique<TOwnedCollection>(this, TTestItem::StaticClassInfo())) {}

TTestPen* TTestRoot::GetPen() {
  if (!FPen) FPen = std::make_unique<TTestPen>();
  return FPen.get();
}

void TTestRoot::SetCount(int32_t count) {
  ++FSetterCalls;
  if (count < 0) throw EPropertyError("Count must not be negative");
  FCount = count;
}

void TTestRoot::RootChanged() {}

void TTestRoot::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  // A legacy name that is still read into Caption but never written.
  filer.DefineProperty(
      u"OldCaption", [this](TReader& reader) { FCaption = reader.ReadString(); }, nullptr, false);
  // Entries of the pen nested in a list, the way model classes read their own
  // item lists; a width of 99 is refused after the entries were read.
  filer.DefineProperty(
      u"PenEntries",
      [this](TReader& reader) {
        reader.ReadListBegin();
        while (!reader.EndOfList()) reader.ReadPropertyEntry(*GetPen());
        reader.ReadListEnd();
        if (GetPen()->FWidth == 99) throw EReadError("Too wide");
      },
      nullptr, false);
  filer.DefineBinaryProperty(
      u"Blob",
      [this](TStream& stream) {
        FBlob.resize(static_cast<size_t>(stream.Size()));
        stream.ReadBuffer(FBlob.data(), stream.Size());
        if (!FBlob.empty() && FBlob[0] == 0xEE) throw EReadError("Bad blob");
      },
      [this](TStream& stream) {
        FWritingSeen = ComponentState().Contains(csWriting);
        stream.WriteBuffer(FBlob.data(), FBlob.size());
      },
      !FBlob.empty());
}

void TTestRoot::GetChildren(const TGetChildProc& proc, TComponent*) {
  // Series first, then tools, like a chart.
  for (int i = 0; i < ComponentCount(); ++i) {
    if (dynamic_cast<TTestSeries*>(Components(i))) proc(Components(i));
  }
  for (int i = 0; i < ComponentCount(); ++i) {
    if (dynamic_cast<TTestTool*>(Components(i))) proc(Components(i));
  }
}

void TTestRoot::LoadFinished() {
  inherited::LoadFinished();
  LoadFinishedLog().push_back(Name().empty() ? ClassName() : Name());
}

KEL_PROPERTIES(TTestSeries,
               Property(u"Color", &TTestSeries::FColor, &TTestSeries::FColor).Default(clDefault),
               Property(u"Title", &TTestSeries::FTitle, &TTestSeries::FTitle),
               Property(u"Source", &TTestSeries::FSource, &TTestSeries::FSource))

void TTestSeries::LoadFinished() {
  inherited::LoadFinished();
  LoadFinishedLog().push_back(Name());
}

KEL_PROPERTIES(TTestTool,
               Property(u"Active", &TTestTool::FActive, &TTestTool::FActive).Default(true),
               Property(u"Series", &TTestTool::FSeries, &TTestTool::FSeries),
               Property(u"Hint", &TTestTool::FHint, &TTestTool::FHint).NoDefault())

void TTestTool::LoadFinished() {
  inherited::LoadFinished();
  LoadFinishedLog().push_back(Name());
}

KEL_PROPERTIES(TTestBroken)

TTestBroken::TTestBroken(TComponent* owner) : TComponent(owner) {
  throw EComponentError("Broken on purpose");
}

void FillSample(TTestRoot& root) {
  root.SetName(u"Root1");
  root.FCaption = u"Hi";
  root.FShape = tsSquare;
  root.FStyles = {tyItalic, tyUnderline};
  root.FRatio = 1.5;
  root.FCount = 300;
  root.FCursor = crHandPoint;
  root.FMargins[0] = 4;
  root.GetPen()->FColor = clRed;
  root.Border()->FColor = clBlack;  // redeclared default clWhite: written
  root.Lines()->Add(u"one");
  root.Lines()->Add(u"zwei \u00fc");
  // The tool is owned before the series, but GetChildren hands the series first.
  auto* tool = new TTestTool(&root);
  tool->SetName(u"Tool1");
  auto* series = new TTestSeries(&root);
  series->SetName(u"Series1");
  series->FTitle = u"S";
  series->FColor = TColor(0x123456);
  tool->FSeries = series;
  tool->FActive = false;
  auto* item = root.Items()->Add<TTestItem>();
  item->FValue = 2;
  item->FLink = series;
  root.FMaster = series;
  root.FOnChange = {reinterpret_cast<void*>(&TTestRoot::RootChanged), &root};
  root.FBlob = {1, 2, 3};
  root.SetDesignInfo(5);
}

void RegisterTestClasses() {
  static const TClassRegistration registration{
      &TTestRoot::StaticClassInfo(), &TTestSeries::StaticClassInfo(), &TTestTool::StaticClassInfo(),
      &TTestBroken::StaticClassInfo()};
}

}  // namespace kel::testmodel
