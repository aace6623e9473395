#include <gtest/gtest.h>

#include "persist/Exceptions.h"
#include "persist/Unicode.h"
#include "tests/persist/TestModel.h"

namespace kel::testmodel {
namespace {

TEST(Component, NamesAreIdentifiersInTheUnicodeSense) {
  struct Case {
    const char* name;  // UTF-8
    bool valid;
  } cases[] = {
      {"", true},      {"_x", true},   {"Series1", true}, {"a_1_b", true},
      {"Größe", true}, {"名前", true}, {"x٣", true},  // Arabic-Indic digit
      {"1abc", false}, {"٣x", false},  {"a-b", false},    {"a b", false},
      {"a.b", false},  {"𝒜x", true},  // a letter outside the BMP
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsValidIdentifier(Utf8ToUtf16(c.name)), c.valid);
  }
}

TEST(Component, AnInvalidNameIsRefusedAndTheOldOneKept) {
  TComponent component(nullptr);
  component.SetName(u"Good");
  try {
    component.SetName(u"1bad");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "''1bad'' is not a valid component name");
  }
  EXPECT_EQ(component.Name(), u"Good");
}

TEST(Component, SiblingsCannotShareANameInAnyAsciiCase) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  first->SetName(u"Series1");
  try {
    second->SetName(u"SERIES1");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named SERIES1 already exists");
  }
  EXPECT_EQ(second->Name(), u"");
  first->SetName(u"series1");  // its own name in another case: no sibling check
  EXPECT_EQ(first->Name(), u"series1");
}

TEST(Component, FindComponentFollowsRenamesInsertionsAndRemovals) {
  TComponent owner(nullptr);
  EXPECT_EQ(owner.FindComponent(u"A"), nullptr);
  auto* a = new TComponent(&owner);
  a->SetName(u"A");
  EXPECT_EQ(owner.FindComponent(u"a"), a);  // builds the sorted list
  EXPECT_EQ(owner.FindComponent(u""), nullptr);
  auto* b = new TComponent(&owner);
  b->SetName(u"B");
  EXPECT_EQ(owner.FindComponent(u"B"), b);
  a->SetName(u"C");
  EXPECT_EQ(owner.FindComponent(u"A"), nullptr);
  EXPECT_EQ(owner.FindComponent(u"C"), a);
  std::unique_ptr<TComponent> removed = owner.RemoveComponent(b);
  EXPECT_EQ(removed.get(), b);
  EXPECT_EQ(b->Owner(), nullptr);
  EXPECT_EQ(owner.FindComponent(u"B"), nullptr);
  owner.InsertComponent(std::move(removed));
  EXPECT_EQ(owner.FindComponent(u"B"), b);
  delete a;  // leaves its owner's lists
  EXPECT_EQ(owner.FindComponent(u"C"), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

// Counts destructions, to show that owners destroy what they own.
class TCounted : public TComponent {
  KEL_CLASS(TCounted, TComponent)

 public:
  TCounted(TComponent* owner, int& destroyed) : TComponent(owner), FDestroyed(destroyed) {}
  ~TCounted() override { ++FDestroyed; }

 private:
  int& FDestroyed;
};
KEL_PROPERTIES(TCounted)

TEST(Component, AnOwnerDestroysItsComponents) {
  int destroyed = 0;
  {
    TComponent owner(nullptr);
    auto* child = new TCounted(&owner, destroyed);
    new TCounted(child, destroyed);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(child->ComponentCount(), 1);
  }
  EXPECT_EQ(destroyed, 2);
}

TEST(Component, AssignFromNothingOrAnUnknownClassRaises) {
  TTestPen pen;
  TTestRoot root(nullptr);
  struct Case {
    const TPersistent* source;
    TPersistent* destination;
    const char* message;
  } cases[] = {
      {nullptr, &pen, "Cannot assign a nil to a TTestPen"},
      {&root, &pen, "Cannot assign a TTestRoot to a TTestPen"},
      {&pen, &root, "Cannot assign a TTestPen to a TTestRoot"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    try {
      c.destination->Assign(c.source);
      FAIL();
    } catch (const EConvertError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  TTestWhitePen white;
  pen.Assign(&white);  // a class the pen knows
  EXPECT_EQ(pen.FColor, clWhite);
}

// A collection that records the changes it is told about.
class TWatchedCollection : public TCollection {
  KEL_CLASS(TWatchedCollection, TCollection)

 public:
  TWatchedCollection() : TCollection(TTestItem::StaticClassInfo()) {}
  int Updates = 0;

 protected:
  void Update(TCollectionItem*) override { ++Updates; }
};
KEL_PROPERTIES(TWatchedCollection)

TEST(Collection, ItemsGetIdsAndChangesWaitForTheOutermostEndUpdate) {
  TWatchedCollection items;
  auto* first = items.Add();
  auto* second = items.Add();
  EXPECT_EQ(first->ID(), 0);
  EXPECT_EQ(second->ID(), 1);
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(items.Updates, 2);
  items.BeginUpdate();
  items.BeginUpdate();
  items.Add();
  items.EndUpdate();
  EXPECT_EQ(items.Updates, 2);
  items.EndUpdate();
  EXPECT_EQ(items.Updates, 3);
  second->SetIndex(0);
  EXPECT_EQ(items.Items(0), second);
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(items.Add()->ID(), 3);  // identifiers are never reused
}

TEST(Collection, AnItemOfAnotherClassIsRefused) {
  TWatchedCollection items;
  try {
    items.InsertItem(std::make_unique<TCollectionItem>(&items));
    FAIL();
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "Invalid property value");
  }
  EXPECT_EQ(items.Count(), 0);
}

TEST(Collection, AssignCopiesTheItems) {
  TWatchedCollection source;
  source.Add<TTestItem>()->FCaption = u"a";
  TWatchedCollection copy;
  copy.Add();
  copy.Add();
  copy.Assign(&source);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Items(0))->FCaption, u"a");
}

TEST(StringList, ChangesAreReportedOncePerUpdate) {
  TStringList lines;
  int changes = 0;
  lines.OnChange = [&](TStringList&) { ++changes; };
  lines.Add(u"a");
  EXPECT_EQ(changes, 1);
  lines.BeginUpdate();
  lines.Add(u"b");
  lines.Add(u"c");
  lines.EndUpdate();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(lines.IndexOf(u"B"), 1);
  EXPECT_THROW(lines.Get(3), EListError);
  TStringList copy;
  copy.Assign(&lines);
  EXPECT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy[2], u"c");
}

}  // namespace
}  // namespace kel::testmodel
