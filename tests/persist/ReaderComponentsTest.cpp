#include <gtest/gtest.h>

#include <functional>

#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"
#include "persist/PendingReferences.h"
#include "tests/persist/ComponentStreams.h"
#include "tests/persist/TestModel.h"

namespace kel::testmodel {
namespace {

using test::FromText;
using test::ReadRoot;
using Strings = std::vector<std::string>;

class ReaderComponents : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    LoadFinishedLog().clear();
  }
  void TearDown() override { SetFindGlobalComponent(nullptr); }

  // Reads the text form into root, collecting the routed errors.
  Strings Read(const std::string& text, bool tolerant = true) {
    return ReadRoot(root, FromText(text), tolerant).errors;
  }

  // A record of the root class with the given entries and children.
  static std::string Root(const std::string& body) { return "object TTestRoot\n" + body + "end\n"; }

  TTestRoot root{nullptr};
};

TEST_F(ReaderComponents, EntriesReachSubObjectsThroughTheirGetters) {
  EXPECT_EQ(Read(Root("Caption = 'Hi'\n"
                      "Shape = tsTriangle\n"
                      "Styles = [tyItalic]\n"
                      "Ratio = 2.5\n"
                      "Count = 3\n"
                      "Big = 5000000000\n"
                      "Letter = 'z'\n"
                      "Cursor = crHandPoint\n"
                      "Charset = 77\n"
                      "Flagged = True\n"
                      "MarginTop = 6\n"
                      "Pen.Color = clRed\n"
                      "Border.Glow = 1.25\n"
                      "Lines.Strings = ('a' 'b')\n"
                      "Left = 7\n"
                      "Top = 8\n"
                      "Blob = {0A0B}\n")),
            Strings{});
  EXPECT_EQ(root.FCaption, u"Hi");
  EXPECT_EQ(root.FShape, tsTriangle);
  EXPECT_EQ(root.FStyles, TTestStyles{tyItalic});
  EXPECT_EQ(root.FRatio, 2.5);
  EXPECT_EQ(root.FCount, 3);
  EXPECT_EQ(root.FBig, 5000000000);
  EXPECT_EQ(root.FLetter, u'z');
  EXPECT_EQ(root.FCursor, crHandPoint);
  EXPECT_EQ(root.FCharset, MAC_CHARSET);
  EXPECT_TRUE(root.FFlagged);
  EXPECT_EQ(root.FMargins[1], 6);
  ASSERT_TRUE(root.HasPen());
  EXPECT_EQ(root.GetPen()->FColor, clRed);
  EXPECT_EQ(root.Border()->FGlow, 1.25);
  EXPECT_EQ(root.Lines()->Count(), 2);
  EXPECT_EQ(root.Lines()->Get(1), u"b");
  EXPECT_EQ(root.DesignInfo(), 7 | (8 << 16));
  EXPECT_EQ(root.FBlob, (std::vector<uint8_t>{0x0A, 0x0B}));
}

TEST_F(ReaderComponents, ALegacyEntryIsReadThroughDefineProperties) {
  EXPECT_EQ(Read(Root("OldCaption = 'From old files'\n")), Strings{});
  EXPECT_EQ(root.FCaption, u"From old files");
}

TEST_F(ReaderComponents, RoutedEntryErrorsAreWrappedAndReadingGoesOn) {
  struct Case {
    const char* entry;
    const char* message;
  } cases[] = {
      {"Foo = 1", "Error reading TTestRoot.Foo: Property Foo does not exist"},
      {"Pen.Foo = 1", "Error reading TTestRoot.Pen.Foo: Property Foo does not exist"},
      {"Nope.Color = 1", "Error reading TTestRoot.Nope.Color: Property Nope.Color does not exist"},
      {"Caption.Color = 1", "Error reading TTestRoot.Caption.Color: Invalid property path"},
      {"Count = True", "Error reading TTestRoot.Count: Invalid property value"},
      {"Ratio = False", "Error reading TTestRoot.Ratio: Invalid property value"},
      {"Caption = nil", "Error reading TTestRoot.Caption: Invalid property value"},
      {"Shape = tsHexagon", "Error reading TTestRoot.Shape: Invalid property value"},
      {"Styles = [tyBold, tyWavy]", "Error reading TTestRoot.Styles: Invalid property value"},
      {"Cursor = crNope", "Error reading TTestRoot.Cursor: Invalid property value"},
      {"PlainInt = clRed", "Error reading TTestRoot.PlainInt: Invalid property value"},
      {"Letter = 'xy'", "Error reading TTestRoot.Letter: Invalid property value"},
      {"Count = -1", "Error reading TTestRoot.Count: Count must not be negative"},
      {"OnChange = Missing", "Error reading TTestRoot.OnChange: Invalid property value"},
      {"Pen = <>", "Error reading TTestRoot.Pen: Invalid property value"},
      {"Blob = 5", "Error reading TTestRoot.Blob: Invalid property value"},
      {"Blob = {EE01}", "Error reading TTestRoot.Blob: Bad blob"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    TTestRoot fresh(nullptr);
    const auto result =
        ReadRoot(fresh, FromText(Root(std::string(c.entry) + "\nCaption = 'after'\n")));
    EXPECT_EQ(result.errors, Strings{c.message});
    EXPECT_EQ(fresh.FCaption, u"after");
  }
}

TEST_F(ReaderComponents, TheMessageNamesANamedObjectByItsName) {
  EXPECT_EQ(Read("object Chart1: TTestRoot\nFoo = 1\nend\n"),
            Strings{"Error reading Chart1.Foo: Property Foo does not exist"});
}

TEST_F(ReaderComponents, AReadOnlyPropertyLeavesItsValueToBeReadAsTheNextEntry) {
  // The entry name "ReadOnlyCount" is followed by bytes that also form the
  // entry Count = 9; the read-only error does not consume them.
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"");
    w.WriteUTF8Str(u"ReadOnlyCount");
    w.WriteUTF8Str(u"Count");
    w.WriteInteger(9);
    w.WriteListEnd();
    w.WriteListEnd();
  }
  const auto result = ReadRoot(root, stream.TakeBytes());
  EXPECT_EQ(result.errors, Strings{"Error reading TTestRoot.ReadOnlyCount: Property is read-only"});
  EXPECT_EQ(root.FCount, 9);
}

TEST_F(ReaderComponents, ErrorsInsideADefinerAreNotRouted) {
  try {
    Read(Root("OldCaption = 5\n"));
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading TTestRoot.OldCaption: Invalid property value");
  }
}

TEST_F(ReaderComponents, EntriesNestedInADefinerLeaveItsLaterErrorsUnrouted) {
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"");
    w.WriteUTF8Str(u"PenEntries");
    w.WriteListBegin();
    w.WriteUTF8Str(u"Width");
    w.WriteInteger(99);
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  }
  try {
    ReadRoot(root, stream.TakeBytes());
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading TTestRoot.PenEntries: Too wide");
  }
  EXPECT_EQ(root.GetPen()->FWidth, 99);
}

TEST_F(ReaderComponents, WithoutTheErrorRouteTheFirstErrorEndsTheRead) {
  try {
    Read(Root("Foo = 1\n"), false);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading TTestRoot.Foo: Property Foo does not exist");
  }
}

// A root record holding child records given as (class, name) pairs, each
// with a Tag entry and one unnamed nested child of its own (owned by the root).
std::vector<uint8_t> RootWithChildren(
    const std::vector<std::pair<std::u16string, std::u16string>>& children) {
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"");
    w.WriteListEnd();
    for (const auto& [className, name] : children) {
      w.WriteUTF8Str(className);
      w.WriteUTF8Str(name);
      w.WriteUTF8Str(u"Tag");
      w.WriteInteger(1);
      w.WriteListEnd();
      w.WriteUTF8Str(u"TTestSeries");
      w.WriteUTF8Str(u"");
      w.WriteListEnd();
      w.WriteListEnd();
      w.WriteListEnd();
    }
    w.WriteListEnd();
  }
  return stream.TakeBytes();
}

TEST_F(ReaderComponents, BadChildRecordsAreSkippedWhole) {
  const auto result = ReadRoot(root, RootWithChildren({{u"TTestSeries", u"Series1"},
                                                       {u"TUnknownThing", u"X"},
                                                       {u"TTestBroken", u"B"},
                                                       {u"TTestSeries", u"Series1"},
                                                       {u"TTestSeries", u"1abc"},
                                                       {u"TTestTool", u"Tool1"}}));
  EXPECT_EQ(result.errors, (Strings{"Class TUnknownThing not found", "Broken on purpose",
                                    "A component named Series1 already exists",
                                    "''1abc'' is not a valid component name"}));
  // Nothing of the skipped records was created, not even their nested children.
  ASSERT_EQ(root.ComponentCount(), 4);
  EXPECT_EQ(root.Components(0)->Name(), u"Series1");
  EXPECT_EQ(root.Components(1)->Name(), u"");
  EXPECT_EQ(root.Components(2)->Name(), u"Tool1");
  EXPECT_EQ(root.Components(2)->Tag(), 1);
}

TEST_F(ReaderComponents, AnErrorInAChildsBodyDestroysTheChildAndEndsTheRead) {
  EXPECT_THROW(Read(Root("object Series1: TTestSeries\nend\n"
                         "object Series2: TTestSeries\n  Foo = 1\nend\n"),
                    false),
               EReadError);
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0)->Name(), u"Series1");
}

// A root record with `depth` records in all, each child inside the one
// before it.
std::vector<uint8_t> NestedRecords(int depth) {
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"");
    w.WriteListEnd();
    for (int level = 1; level < depth; ++level) {
      w.WriteUTF8Str(u"TTestSeries");
      w.WriteUTF8Str(u"");
      w.WriteListEnd();
    }
    for (int level = 0; level < depth; ++level) w.WriteListEnd();
  }
  return stream.TakeBytes();
}

TEST_F(ReaderComponents, NestingDeeperThanTheTextFormAllowsEndsTheRead) {
  EXPECT_EQ(ReadRoot(root, NestedRecords(kMaxStreamNesting)).errors, Strings{});
  EXPECT_EQ(root.ComponentCount(), kMaxStreamNesting - 1);
  // Not routed: the tolerant reader stops too, however deep the stream goes.
  for (const int depth : {kMaxStreamNesting + 1, 30000}) {
    SCOPED_TRACE(depth);
    TTestRoot deep{nullptr};
    try {
      ReadRoot(deep, NestedRecords(depth));
      ADD_FAILURE() << "read without error";
    } catch (const EReadError& error) {
      EXPECT_STREQ(error.what(), "Nesting too deep");
    }
    EXPECT_EQ(deep.ComponentCount(), 0);
  }
}

TEST_F(ReaderComponents, ReferencesAreResolvedAfterTheWholeRecord) {
  EXPECT_EQ(Read(Root("Master = Series2\n"  // a child read later
                      "object Series1: TTestSeries\n  Source = Series2.Owner\nend\n"
                      "object Series2: TTestSeries\n  Source = Nope\nend\n"
                      "object Tool1: TTestTool\n  Series = series1\nend\n")),
            Strings{});
  auto* series1 = static_cast<TTestSeries*>(root.FindComponent(u"Series1"));
  auto* series2 = static_cast<TTestSeries*>(root.FindComponent(u"Series2"));
  EXPECT_EQ(root.FMaster, series2);
  EXPECT_EQ(series1->FSource, series2);
  EXPECT_EQ(series2->FSource, nullptr);  // an unknown plain name clears the property
  EXPECT_EQ(static_cast<TTestTool*>(root.FindComponent(u"Tool1"))->FSeries, series1);
}

TEST_F(ReaderComponents, WhatReadingLeavesOutIsDescribedWithItsObject) {
  const struct {
    const char* body;
    const char* dropped;
  } cases[] = {
      {"Foo = 1\n", "Error reading TTestRoot.Foo: Property Foo does not exist"},
      {"object X: TUnknownThing\nend\n", "Error reading X: Class TUnknownThing not found"},
      {"object TUnknownThing\nend\n", "Class TUnknownThing not found"},
      {"object Series1: TTestSeries\n  Source = Nope\nend\n",
       "Error reading Series1.Source: Component Nope not found"},
      {"Master = Tool1\nobject Tool1: TTestTool\nend\n",
       "Error reading TTestRoot.Master: Invalid property value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    TTestRoot fresh(nullptr);
    EXPECT_EQ(ReadRoot(fresh, FromText(Root(c.body))).dropped, Strings{c.dropped});
  }
}

TEST_F(ReaderComponents, WithoutTheErrorRouteNothingIsDroppedButUnresolvedNames) {
  const test::ReadResult result =
      ReadRoot(root, FromText(Root("object Series1: TTestSeries\n  Source = Nope\nend\n")), false);
  EXPECT_EQ(result.dropped, Strings{"Error reading Series1.Source: Component Nope not found"});
}

TEST_F(ReaderComponents, AReferenceToAComponentOfAnotherClassIsRouted) {
  EXPECT_EQ(Read(Root("Master = Tool1\nobject Tool1: TTestTool\nend\n")),
            Strings{"Invalid property value"});
  EXPECT_EQ(root.FMaster, nullptr);
}

TEST_F(ReaderComponents, ComponentPaths) {
  TComponent top(nullptr);
  auto* a = new TComponent(&top);
  a->SetName(u"A");
  auto* b = new TComponent(a);
  b->SetName(u"B");
  struct Case {
    const char16_t* path;
    TComponent* expected;
  } cases[] = {
      {u"A", a},       {u"a.b", b},       {u"A-B", b},    {u"A->B", b},    {u"Owner", &top},
      {u"A.owner", a}, {u"A.B.Owner", b}, {u"", nullptr}, {u"X", nullptr}, {u"A.X", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.path, c.path + std::char_traits<char16_t>::length(c.path)));
    EXPECT_EQ(FindComponentByPath(&top, c.path), c.expected);
  }
}

TEST_F(ReaderComponents, CrossRootReferencesWaitForTheirRoot) {
  EXPECT_EQ(Read(Root("Master = Other.Series9\n")), Strings{});
  EXPECT_EQ(PendingReferenceCount(), 1u);
  TTestRoot other(nullptr);
  other.SetName(u"Other");
  auto* series = new TTestSeries(&other);
  series->SetName(u"Series9");
  SetFindGlobalComponent(
      [&](std::u16string_view name) -> TComponent* { return name == u"Other" ? &other : nullptr; });
  ResolveGlobalFixups();
  EXPECT_EQ(root.FMaster, series);
  EXPECT_EQ(PendingReferenceCount(), 0u);
}

TEST_F(ReaderComponents, ACrossRootReferenceWhoseSetterFailsIsReportedOnce) {
  TTestRoot other(nullptr);
  other.SetName(u"Other");
  (new TTestTool(&other))->SetName(u"Tool9");
  SetFindGlobalComponent(
      [&](std::u16string_view name) -> TComponent* { return name == u"Other" ? &other : nullptr; });
  EXPECT_EQ(Read(Root("Master = Other.Tool9\n")), Strings{"Invalid property value"});
  EXPECT_EQ(PendingReferenceCount(), 0u);
}

TEST_F(ReaderComponents, DestroyingARootDropsItsPendingReferences) {
  {
    TTestRoot transient(nullptr);
    ReadRoot(transient, FromText(Root("Master = Elsewhere.Series1\n")));
    EXPECT_EQ(PendingReferenceCount(), 1u);
  }
  EXPECT_EQ(PendingReferenceCount(), 0u);
}

TEST_F(ReaderComponents, FreeingAnObjectDropsTheReferencesWaitingOnIt) {
  EXPECT_EQ(Read(Root("Items = <\n item\n Link = Elsewhere.Series1\n end>\n")), Strings{});
  EXPECT_EQ(PendingReferenceCount(), 1u);
  root.Items()->Clear();
  EXPECT_EQ(PendingReferenceCount(), 0u);
}

TEST_F(ReaderComponents, LoadFinishedRunsOnTheRootFirstThenInFinishingOrder) {
  Read(
      "object Root1: TTestRoot\n"
      "object Series1: TTestSeries\nend\n"
      "object Tool1: TTestTool\nend\n"
      "end\n");
  EXPECT_EQ(LoadFinishedLog(), (std::vector<std::u16string>{u"Root1", u"Series1", u"Tool1"}));
  EXPECT_FALSE(root.ComponentState().Contains(csLoading));
  EXPECT_FALSE(root.ComponentState().Contains(csReading));
  EXPECT_FALSE(root.Components(0)->ComponentState().Contains(csLoading));
}

TEST_F(ReaderComponents, RootNames) {
  EXPECT_EQ(Read(Root("")), Strings{});
  EXPECT_EQ(root.Name(), u"");

  TComponent window(nullptr);
  SetFindGlobalComponent([&](std::u16string_view name) -> TComponent* {
    return name == u"Form1" ? &window : nullptr;
  });
  TTestRoot second(nullptr);
  ReadRoot(second, FromText("object Form1: TTestRoot\nend\n"));
  EXPECT_EQ(second.Name(), u"Form1_1");
}

TEST_F(ReaderComponents, RootNameErrorsAreNotRouted) {
  TComponent window(nullptr);
  (new TComponent(&window))->SetName(u"Chart1");
  auto* chart = new TTestRoot(&window);
  try {
    ReadRoot(*chart, FromText("object Chart1: TTestRoot\nend\n"));
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named Chart1 already exists");
  }
  TTestRoot loose(nullptr);
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"9lives");
    w.WriteListEnd();
    w.WriteListEnd();
  }
  try {
    ReadRoot(loose, stream.TakeBytes());
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "''9lives'' is not a valid component name");
  }
}

TEST_F(ReaderComponents, TheRootsClassIsNotChecked) {
  EXPECT_EQ(Read("object TSomethingElse\nCaption = 'ok'\nend\n"), Strings{});
  EXPECT_EQ(root.FCaption, u"ok");
}

TEST_F(ReaderComponents, ANullRootIsCreatedFromTheRegisteredClass) {
  TMemoryStream stream(FromText("object Made: TTestRoot\nCount = 4\nend\n"));
  TReader reader(stream, kDefaultFilerBufferSize);
  std::unique_ptr<TComponent> made = reader.ReadRootComponent();
  auto* madeRoot = dynamic_cast<TTestRoot*>(made.get());
  ASSERT_NE(madeRoot, nullptr);
  EXPECT_EQ(madeRoot->Name(), u"Made");
  EXPECT_EQ(madeRoot->FCount, 4);
}

TEST_F(ReaderComponents, CollectionValues) {
  root.Items()->Add<TTestItem>()->FCaption = u"kept";
  EXPECT_EQ(Read(Root("Items = <>\n")), Strings{});
  ASSERT_EQ(root.Items()->Count(), 1);  // an empty value leaves the items
  EXPECT_EQ(Read(Root("Items = <\n item\n Value = 1\n end\n item\n Caption = 'two'\n"
                      " Link = Series1\n end>\n"
                      "object Series1: TTestSeries\nend\n")),
            Strings{});
  ASSERT_EQ(root.Items()->Count(), 2);  // items replace the old ones
  auto* first = static_cast<TTestItem*>(root.Items()->Items(0));
  auto* second = static_cast<TTestItem*>(root.Items()->Items(1));
  EXPECT_EQ(first->FValue, 1);
  EXPECT_EQ(second->FCaption, u"two");
  EXPECT_EQ(second->FLink, root.FindComponent(u"Series1"));
}

TEST_F(ReaderComponents, OrderValuesOfCollectionItemsAreIgnored) {
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteSignature();
    w.WriteUTF8Str(u"TTestRoot");
    w.WriteUTF8Str(u"");
    w.WriteUTF8Str(u"Items");
    w.WriteValueTag(vaCollection);
    w.WriteInteger(300);  // order value
    w.WriteListBegin();
    w.WriteUTF8Str(u"Caption");
    w.WriteString(u"x");
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
  }
  EXPECT_EQ(ReadRoot(root, stream.TakeBytes()).errors, Strings{});
  ASSERT_EQ(root.Items()->Count(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(root.Items()->Items(0))->FCaption, u"x");
}

TEST_F(ReaderComponents, AReferenceIntoItemsThatAreReplacedIsDropped) {
  // The first value's item, whose Link is pending, is destroyed by the second.
  EXPECT_EQ(Read(Root("Items = <\n item\n Link = Series1\n end>\n"
                      "Items = <\n item\n Caption = 'new'\n end>\n"
                      "object Series1: TTestSeries\nend\n")),
            Strings{});
  ASSERT_EQ(root.Items()->Count(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(root.Items()->Items(0))->FLink, nullptr);
}

TEST_F(ReaderComponents, EventHandlersByName) {
  EXPECT_EQ(Read(Root("OnChange = rootchanged\n")), Strings{});
  EXPECT_EQ(root.FOnChange.Code, reinterpret_cast<void*>(&TTestRoot::RootChanged));
  EXPECT_EQ(root.FOnChange.Data, &root);

  // A hook that clears the error makes unknown handlers harmless.
  TTestRoot other(nullptr);
  TMemoryStream stream(FromText(Root("OnChange = Missing\n")));
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.OnFindMethod = [](TReader&, const std::u16string&, void*&, bool& error) { error = false; };
  reader.ReadRootComponent(other);
  EXPECT_FALSE(other.FOnChange.Assigned());
}

TEST_F(ReaderComponents, AReaderWithoutARootRejectsReferences) {
  TMemoryStream stream;
  {
    TWriter w(stream, kDefaultFilerBufferSize);
    w.WriteUTF8Str(u"Master");
    w.WriteIdent(u"Series1");
  }
  TReader reader(stream, kDefaultFilerBufferSize);
  EXPECT_THROW(reader.ReadPropertyEntry(root), EReadError);
}

TEST_F(ReaderComponents, DataRunningOutEndsTheRead) {
  std::vector<uint8_t> bytes = FromText(Root("Caption = 'abcdef'\nCount = 2\n"));
  bytes.resize(bytes.size() - 6);
  try {
    ReadRoot(root, bytes);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
}

}  // namespace
}  // namespace kel::testmodel
