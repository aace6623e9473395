// A small object model for the persistence tests: a root with sub-objects, a
// redeclared property, nodefault and stored-rule properties, a collection, a
// string list, references, an event, extra entries and children of two classes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"
#include "persist/StringList.h"

namespace kel::testmodel {

KEL_ENUM(TTestShape, tsCircle, tsSquare, tsTriangle)
KEL_ENUM(TTestStyle, tyBold, tyItalic, tyUnderline)
using TTestStyles = TSet<TTestStyle>;

// Names of the components whose LoadFinished ran, in order.
std::vector<std::u16string>& LoadFinishedLog();

class TTestPen : public TPersistent {
  KEL_CLASS(TTestPen, TPersistent)

 public:
  TTestPen() = default;
  TColor FColor = clBlack;
  int32_t FWidth = 1;
  int32_t DefaultWidth = 1;
  bool FVisible = true;
  bool FailOnWrite = false;  // makes the extra entry "Fail" raise while written
  bool IsWidthStored() const { return FWidth != DefaultWidth; }
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;
};

// Same properties; Color is redeclared with default clWhite.
class TTestWhitePen : public TTestPen {
  KEL_CLASS(TTestWhitePen, TTestPen)

 public:
  TTestWhitePen() { FColor = clWhite; }
  double FGlow = 0;
};

class TTestSeries;

class TTestItem : public TCollectionItem {
  KEL_CLASS(TTestItem, TCollectionItem)

 public:
  explicit TTestItem(TCollection* collection) : TCollectionItem(collection) {}
  double FValue = 0;
  std::u16string FCaption;
  TTestSeries* FLink = nullptr;
  void Assign(const TPersistent* source) override;
};

class TTestRoot : public TComponent {
  KEL_CLASS(TTestRoot, TComponent)

 public:
  explicit TTestRoot(TComponent* owner);

  std::u16string FCaption;
  TTestShape FShape = tsCircle;
  TTestStyles FStyles{tyBold};
  double FRatio = 0;
  int32_t FCount = 0;
  int64_t FBig = 0;
  char16_t FLetter = u'a';
  TCursor FCursor = crDefault;
  TFontCharset FCharset = DEFAULT_CHARSET;
  int32_t FPlainInt = 0;  // same range as a colour, but no identifier map
  bool FFlagged = false;
  bool FStoreFlagged = true;
  int32_t FMargins[2] = {0, 0};
  TTestSeries* FMaster = nullptr;
  TMethod FOnChange;
  std::vector<uint8_t> FBlob;
  int FSetterCalls = 0;
  bool FWritingSeen = false;  // csWriting was set while the extra entries were written

  TTestPen* GetPen();  // created on first access
  void SetPen(TTestPen* pen) { GetPen()->Assign(pen); }
  bool HasPen() const { return FPen != nullptr; }
  TTestWhitePen* Border() const { return FBorder.get(); }
  void SetBorder(TTestWhitePen* border) { FBorder->Assign(border); }
  TOwnedCollection* Items() const { return FItems.get(); }
  void SetItems(TOwnedCollection* items) { FItems->Assign(items); }
  TStringList* Lines() const { return FLines.get(); }
  void SetLines(TStringList* lines) { FLines->Assign(lines); }
  int32_t ReadOnlyCount() const { return 7; }
  int32_t GetMargin(int32_t index) const { return FMargins[index]; }
  void SetMargin(int32_t index, int32_t value) { FMargins[index] = value; }
  bool IsMarginStored(int32_t index) const { return index == 0; }
  void SetCount(int32_t count);

  void DefineProperties(TFiler& filer) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void LoadFinished() override;

  // The published method that event properties can name.
  static void RootChanged();

 private:
  std::unique_ptr<TTestPen> FPen;
  std::unique_ptr<TTestWhitePen> FBorder = std::make_unique<TTestWhitePen>();
  std::unique_ptr<TOwnedCollection> FItems;
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
};

class TTestSeries : public TComponent {
  KEL_CLASS(TTestSeries, TComponent)

 public:
  explicit TTestSeries(TComponent* owner) : TComponent(owner) {}
  TColor FColor = clDefault;
  std::u16string FTitle;
  TTestSeries* FSource = nullptr;
  void LoadFinished() override;
};

class TTestTool : public TComponent {
  KEL_CLASS(TTestTool, TComponent)

 public:
  explicit TTestTool(TComponent* owner) : TComponent(owner) {}
  bool FActive = true;
  TTestSeries* FSeries = nullptr;
  std::u16string FHint;  // nodefault text
  void LoadFinished() override;
};

// A component whose constructor always fails.
class TTestBroken : public TComponent {
  KEL_CLASS(TTestBroken, TComponent)

 public:
  explicit TTestBroken(TComponent* owner);
};

// Gives root a name, non-default values of most kinds, a series and a tool.
void FillSample(TTestRoot& root);

// Registers the test classes for the life of the test program.
void RegisterTestClasses();

}  // namespace kel::testmodel
