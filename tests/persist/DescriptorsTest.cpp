#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "persist/Descriptors.h"
#include "persist/Exceptions.h"
#include "persist/NameCompare.h"
#include "tests/persist/TestModel.h"

namespace kel::testmodel {
namespace {

std::vector<std::u16string> SlotNames(const TClassInfo& info) {
  std::vector<std::u16string> names;
  for (const TPropInfo* prop : ListPublishedProperties(info)) names.push_back(prop->Name);
  return names;
}

TEST(Descriptors, ParentSlotsComeFirstAndARedeclaredPropertyKeepsItsSlot) {
  const TClassInfo& white = TTestWhitePen::StaticClassInfo();
  EXPECT_EQ(SlotNames(white),
            (std::vector<std::u16string>{u"Color", u"Width", u"Visible", u"Glow"}));
  EXPECT_EQ(white.PropCount, 4);
  // The slot carries the descendant's descriptor, with its own default.
  const TPropInfo* color = ListPublishedProperties(white)[0];
  EXPECT_EQ(color->Default, clWhite);
  EXPECT_EQ(color, GetPropInfo(white, u"color"));
  EXPECT_EQ(ListPublishedProperties(TTestPen::StaticClassInfo())[0]->Default, clBlack);
}

TEST(Descriptors, ComponentPropertiesPrecedeTheClassesOwn) {
  const auto names = SlotNames(TTestSeries::StaticClassInfo());
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Name", u"Tag", u"Color", u"Title", u"Source"}));
}

TEST(Descriptors, LookupIgnoresCaseAndSearchesAncestors) {
  const TClassInfo& root = TTestRoot::StaticClassInfo();
  ASSERT_NE(GetPropInfo(root, u"CAPTION"), nullptr);
  EXPECT_EQ(GetPropInfo(root, u"tag"), GetPropInfo(TComponent::StaticClassInfo(), u"Tag"));
  EXPECT_EQ(GetPropInfo(root, u"Missing"), nullptr);
}

TEST(Descriptors, EveryPublishedPropertyIsFoundByItsNameInAnyCase) {
  const TClassInfo& root = TTestRoot::StaticClassInfo();
  ASSERT_GT(ListPublishedProperties(root).size(), 20u);
  for (const TPropInfo* prop : ListPublishedProperties(root)) {
    std::u16string upper = prop->Name;
    std::u16string lower = prop->Name;
    for (char16_t& c : upper) c = AsciiUpper(c);
    for (char16_t& c : lower) c = c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    EXPECT_EQ(GetPropInfo(root, upper), prop);
    EXPECT_EQ(GetPropInfo(root, lower), prop);
  }
  EXPECT_EQ(GetPropInfo(root, u"Caption2"), nullptr);
  EXPECT_EQ(GetPropInfo(root, u"Captio"), nullptr);
  EXPECT_EQ(GetPropInfo(root, u""), nullptr);
}

class TUnicodeNamed : public TPersistent {
  KEL_CLASS(TUnicodeNamed, TPersistent)

 public:
  int32_t FSize = 0;
};
KEL_PROPERTIES(
    TUnicodeNamed,
    Property(u"Gr\u00f6\u00dfe", &TUnicodeNamed::FSize, &TUnicodeNamed::FSize).NoDefault())

TEST(Descriptors, NonAsciiNamesAreComparedWithUnicodeCaseFolding) {
  const TClassInfo& info = TUnicodeNamed::StaticClassInfo();
  EXPECT_NE(GetPropInfo(info, u"GR\u00d6\u00dfE"), nullptr);
  EXPECT_NE(GetPropInfo(info, u"gr\u00f6sse"), nullptr);  // sharp s folds to "ss"
  EXPECT_EQ(GetPropInfo(info, u"Grosse"), nullptr);
}

TEST(Descriptors, DefaultsFollowTheKindUnlessGiven) {
  const TClassInfo& root = TTestRoot::StaticClassInfo();
  struct Case {
    const char16_t* name;
    int32_t expected;
  } cases[] = {
      {u"PlainInt", kNoDefault},      // ordinal with NoDefault: always written
      {u"Ratio", 0},                  // float: zero
      {u"Caption", 0},                // text: empty
      {u"Shape", tsCircle},           // enumeration
      {u"Charset", DEFAULT_CHARSET},  // integer type with identifiers
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
    EXPECT_EQ(GetPropInfo(root, c.name)->Default, c.expected);
  }
}

TEST(Descriptors, StoredRulesConstantFieldPredicateAndIndexed) {
  TTestRoot root(nullptr);
  const TClassInfo& info = root.ClassInfo();
  EXPECT_FALSE(PropertyIsStored(root, *GetPropInfo(info, u"Name")));
  EXPECT_TRUE(PropertyIsStored(root, *GetPropInfo(info, u"Tag")));
  const TPropInfo& flagged = *GetPropInfo(info, u"Flagged");
  EXPECT_TRUE(PropertyIsStored(root, flagged));
  root.FStoreFlagged = false;
  EXPECT_FALSE(PropertyIsStored(root, flagged));
  // One predicate shared by two indexed properties, told apart by the index.
  EXPECT_TRUE(PropertyIsStored(root, *GetPropInfo(info, u"MarginLeft")));
  EXPECT_FALSE(PropertyIsStored(root, *GetPropInfo(info, u"MarginTop")));

  TTestPen pen;
  const TPropInfo& width = *GetPropInfo(pen.ClassInfo(), u"Width");
  EXPECT_FALSE(PropertyIsStored(pen, width));
  pen.FWidth = 3;
  EXPECT_TRUE(PropertyIsStored(pen, width));
}

TEST(Descriptors, TypedAccessUsesTheAccessorsAndTheIndex) {
  TTestRoot root(nullptr);
  const TClassInfo& info = root.ClassInfo();
  SetOrdProp(root, *GetPropInfo(info, u"MarginTop"), 12);
  EXPECT_EQ(root.FMargins[1], 12);
  EXPECT_EQ(GetOrdProp(root, *GetPropInfo(info, u"MarginTop")), 12);
  EXPECT_EQ(root.FMargins[0], 0);

  SetOrdProp(root, *GetPropInfo(info, u"Styles"), 0b101);
  EXPECT_EQ(root.FStyles, (TTestStyles{tyBold, tyUnderline}));
  SetOrdProp(root, *GetPropInfo(info, u"Charset"), 300);  // kept to the type's width
  EXPECT_EQ(root.FCharset, 44);
  SetFloatProp(root, *GetPropInfo(info, u"Ratio"), 2.5);
  EXPECT_EQ(root.FRatio, 2.5);
  SetStrProp(root, *GetPropInfo(info, u"Caption"), u"Hi");
  EXPECT_EQ(GetStrProp(root, *GetPropInfo(info, u"Caption")), u"Hi");
  SetInt64Prop(root, *GetPropInfo(info, u"Big"), int64_t{1} << 40);
  EXPECT_EQ(root.FBig, int64_t{1} << 40);

  // Sub-object created by its getter on first access.
  EXPECT_FALSE(root.HasPen());
  EXPECT_NE(GetObjectProp(root, *GetPropInfo(info, u"Pen")), nullptr);
  EXPECT_TRUE(root.HasPen());
}

TEST(Descriptors, WrongKindReadOnlyAndWrongClassAreRefused) {
  TTestRoot root(nullptr);
  const TClassInfo& info = root.ClassInfo();
  EXPECT_THROW(GetFloatProp(root, *GetPropInfo(info, u"Caption")), EPropertyError);
  EXPECT_THROW(SetOrdProp(root, *GetPropInfo(info, u"ReadOnlyCount"), 1), EPropertyError);
  TTestTool tool(nullptr);
  // A reference property only takes components of its class.
  EXPECT_THROW(SetObjectProp(root, *GetPropInfo(info, u"Master"), &tool), EReadError);
  EXPECT_EQ(root.FMaster, nullptr);
}

TEST(Descriptors, TypedAccessErrorsNameTheProperty) {
  TTestRoot root(nullptr);
  const TClassInfo& info = root.ClassInfo();
  const struct {
    const char* what;
    std::function<void()> access;
    const char* message;
  } cases[] = {
      {"read-only", [&] { SetOrdProp(root, *GetPropInfo(info, u"ReadOnlyCount"), 1); },
       "Property ReadOnlyCount is read-only"},
      {"wrong kind", [&] { GetFloatProp(root, *GetPropInfo(info, u"Caption")); },
       "Property Caption is not of the accessed kind"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.access();
      ADD_FAILURE() << "no error";
    } catch (const EPropertyError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(Descriptors, EnumerationAndSetElementNames) {
  const TTypeInfo& shape = TypeInfoOf<TTestShape>();
  EXPECT_EQ(shape.Kind, tkEnumeration);
  EXPECT_EQ(GetEnumName(shape, 2), u"tsTriangle");
  EXPECT_EQ(GetEnumName(shape, 3), u"");
  EXPECT_EQ(GetEnumValue(shape, u"TSSQUARE"), 1);
  EXPECT_EQ(GetEnumValue(shape, u"tsHexagon"), -1);
  EXPECT_EQ(GetEnumName(TypeInfoOf<bool>(), 1), u"True");
  EXPECT_EQ(GetSetElementNames(TypeInfoOf<TTestStyles>()),
            (std::vector<std::u16string>{u"tyBold", u"tyItalic", u"tyUnderline"}));
}

// A table that names a property twice, or redeclares one no ancestor has, is
// a programming error caught when the table is built.
class TTwice : public TPersistent {
  KEL_CLASS(TTwice, TPersistent)

 public:
  int32_t FA = 0;
};
const TClassInfo& TTwice::StaticClassInfo() {
  static const TClassInfo info = DeclareClass<TTwice>({
      Property(u"A", &TTwice::FA, &TTwice::FA),
      Property(u"a", &TTwice::FA, &TTwice::FA),
  });
  return info;
}

class TNoAncestor : public TPersistent {
  KEL_CLASS(TNoAncestor, TPersistent)
};
const TClassInfo& TNoAncestor::StaticClassInfo() {
  static const TClassInfo info = DeclareClass<TNoAncestor>({Redeclared(u"Missing")});
  return info;
}

TEST(Descriptors, MalformedTablesAreRejected) {
  EXPECT_THROW(TTwice::StaticClassInfo(), std::logic_error);
  EXPECT_THROW(TNoAncestor::StaticClassInfo(), std::logic_error);
}

}  // namespace
}  // namespace kel::testmodel
