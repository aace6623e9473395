#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "persist/Exceptions.h"
#include "tests/persist/ComponentStreams.h"
#include "tests/persist/HexBytes.h"
#include "tests/persist/TestModel.h"

namespace kel::testmodel {
namespace {

using test::AsText;
using test::Hex;
using test::WriteEntries;
using test::WriteRoot;

TEST(WriterComponents, AFreshRootWritesOnlyNodefaultEntriesAndItsCollection) {
  TTestRoot root(nullptr);
  // PlainInt and Flagged have no default; a collection is written even empty;
  // the pen, border and lines hold only defaults and write nothing.
  EXPECT_EQ(AsText(WriteRoot(root)),
            "object TTestRoot\n"
            "  PlainInt = 0\n"
            "  Flagged = False\n"
            "  Items = <>\n"
            "end\n");
}

TEST(WriterComponents, ARecordInSlotOrderWithSubObjectsExtrasAndChildren) {
  TTestRoot root(nullptr);
  FillSample(root);
  EXPECT_EQ(AsText(WriteRoot(root)),
            "object Root1: TTestRoot\n"
            "  Caption = 'Hi'\n"
            "  Shape = tsSquare\n"
            "  Styles = [tyItalic, tyUnderline]\n"
            "  Ratio = 1.500000000000000000\n"
            "  Count = 300\n"
            "  Cursor = crHandPoint\n"
            "  PlainInt = 0\n"
            "  Flagged = False\n"
            "  MarginLeft = 4\n"
            "  Pen.Color = clRed\n"
            "  Border.Color = clBlack\n"
            "  Items = <\n"
            "    item\n"
            "      Value = 2.000000000000000000\n"
            "      Link = Series1\n"
            "    end>\n"
            "  Lines.Strings = (\n"
            "    'one'\n"
            "    'zwei '#252)\n"
            "  Master = Series1\n"
            "  OnChange = RootChanged\n"
            "  Left = 5\n"
            "  Blob = {010203}\n"
            "  object Series1: TTestSeries\n"
            "    Color = 1193046\n"
            "    Title = 'S'\n"
            "  end\n"
            "  object Tool1: TTestTool\n"
            "    Active = False\n"
            "    Series = Series1\n"
            "    Hint = ''\n"
            "  end\n"
            "end\n");
}

// The bytes of the root's entries besides the three that a fresh root writes:
// "PlainInt" 0, "Flagged" False and "Items" 0E 00.
std::string ExtraEntries(TTestRoot& root) {
  std::string all = test::ToHex(WriteEntries(root));
  for (const char* baseline : {"08 50 6C 61 69 6E 49 6E 74 02 00", "07 46 6C 61 67 67 65 64 08",
                               "05 49 74 65 6D 73 0E 00"}) {
    const size_t at = all.find(baseline);
    EXPECT_NE(at, std::string::npos) << baseline;
    if (at != std::string::npos) all.erase(at, std::string_view(baseline).size());
  }
  std::string trimmed;  // the erased entries leave double and outer spaces
  for (char c : all) {
    if (c == ' ' && (trimmed.empty() || trimmed.back() == ' ')) continue;
    trimmed += c;
  }
  if (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  return trimmed;
}

TEST(WriterComponents, ValuesAgainstTheirDefaults) {
  struct Case {
    const char* what;
    std::function<void(TTestRoot&)> set;
    const char* bytes;  // the entry, or "" when nothing is written
  } cases[] = {
      {"float zero", [](TTestRoot& r) { r.FRatio = 0; }, ""},
      {"float minus zero", [](TTestRoot& r) { r.FRatio = -0.0; }, ""},
      {"tiny float", [](TTestRoot& r) { r.FRatio = 1e-300; },
       "05 52 61 74 69 6F 05 00 C8 9A C7 17 FE 70 AB 1A 3C"},
      {"empty text", [](TTestRoot& r) { r.FCaption.clear(); }, ""},
      {"set equal to its default", [](TTestRoot& r) { r.FStyles = {tyBold}; }, ""},
      {"empty set against a non-empty default", [](TTestRoot& r) { r.FStyles = {}; },
       "06 53 74 79 6C 65 73 0B 00"},
      {"narrowest integer", [](TTestRoot& r) { r.FCount = 128; }, "05 43 6F 75 6E 74 03 80 00"},
      {"64-bit integer beyond 32 bits", [](TTestRoot& r) { r.FBig = int64_t{1} << 31; },
       "03 42 69 67 13 00 00 00 80 00 00 00 00"},
      {"character", [](TTestRoot& r) { r.FLetter = u'b'; }, "06 4C 65 74 74 65 72 06 01 62"},
      {"cursor by name", [](TTestRoot& r) { r.FCursor = crSizeAll; },
       "06 43 75 72 73 6F 72 07 09 63 72 53 69 7A 65 41 6C 6C"},
      {"charset without a name", [](TTestRoot& r) { r.FCharset = TFontCharset(3); },
       "07 43 68 61 72 73 65 74 02 03"},
      {"stored rule false", [](TTestRoot& r) { r.FMargins[1] = 4; }, ""},
      {"indexed and stored", [](TTestRoot& r) { r.FMargins[0] = 4; },
       "0A 4D 61 72 67 69 6E 4C 65 66 74 02 04"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestRoot root(nullptr);
    c.set(root);
    EXPECT_EQ(ExtraEntries(root), test::ToHex(Hex(c.bytes)));
  }
}

TEST(WriterComponents, ColoursAreWrittenByNameOnlyForColourProperties) {
  TTestPen pen;
  pen.FColor = TColor(0xFFFFFF);
  EXPECT_EQ(WriteEntries(pen), Hex("05 43 6F 6C 6F 72 07 07 63 6C 57 68 69 74 65"));
  pen.FColor = TColor(0x123456);
  EXPECT_EQ(WriteEntries(pen), Hex("05 43 6F 6C 6F 72 04 56 34 12 00"));
  pen.FColor = clBlack;
  pen.FVisible = false;  // Boolean default True: False is written as vaFalse
  EXPECT_EQ(WriteEntries(pen), Hex("07 56 69 73 69 62 6C 65 08"));

  TTestRoot root(nullptr);
  root.FPlainInt = 0xFF;  // an Integer holding the value of clRed stays a number
  const auto bytes = WriteEntries(root);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 12),
            Hex("08 50 6C 61 69 6E 49 6E 74 03 FF 00"));
}

TEST(WriterComponents, DesignPositionWritesOnlyNonZeroHalves) {
  struct Case {
    int32_t designInfo;
    const char* bytes;
  } cases[] = {
      {0, ""},
      {5, "04 4C 65 66 74 02 05"},
      {3 << 16, "03 54 6F 70 02 03"},
      {0xFFFF, "04 4C 65 66 74 04 FF FF 00 00"},  // the half is read as unsigned
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.designInfo);
    TComponent component(nullptr);
    component.SetDesignInfo(c.designInfo);
    EXPECT_EQ(WriteEntries(component), Hex(c.bytes));
  }
}

TEST(WriterComponents, StringListsWriteTheirLinesOnlyWhenThereAreAny) {
  TStringList lines;
  EXPECT_EQ(WriteEntries(lines), Hex(""));
  lines.Add(u"a");
  lines.Add(u"");
  EXPECT_EQ(WriteEntries(lines), Hex("07 53 74 72 69 6E 67 73 01 06 01 61 12 00 00 00 00 00"));
}

TEST(WriterComponents, ReferenceNamesFollowTheFiveRules) {
  TComponent lookupRoot(nullptr);
  lookupRoot.SetName(u"L");
  auto* a = new TComponent(&lookupRoot);
  a->SetName(u"A");
  auto* b = new TComponent(a);
  b->SetName(u"B");
  TComponent otherRoot(nullptr);
  otherRoot.SetName(u"R");
  auto* c = new TComponent(&otherRoot);
  c->SetName(u"C");
  TComponent loose(nullptr);
  loose.SetName(u"E");
  TComponent unnamed(nullptr);

  TMemoryStream stream;
  TWriter writer(stream, kDefaultFilerBufferSize);
  writer.AssignRoot(&lookupRoot);
  EXPECT_EQ(writer.ComponentReferenceName(*a), u"A");              // owned by the root
  EXPECT_EQ(writer.ComponentReferenceName(lookupRoot), u"Owner");  // the root itself
  EXPECT_EQ(writer.ComponentReferenceName(*b), u"A.B");            // owner inside the root
  EXPECT_EQ(writer.ComponentReferenceName(*c), u"R.C");            // owner elsewhere
  EXPECT_EQ(writer.ComponentReferenceName(loose), u"E.Owner");     // no owner
  EXPECT_EQ(writer.ComponentReferenceName(unnamed), u"");
}

TEST(WriterComponents, AReferenceToAnUnnamedComponentWritesNothing) {
  TTestRoot root(nullptr);
  auto* series = new TTestSeries(&root);
  root.FMaster = series;
  const std::string text = AsText(WriteRoot(root));
  EXPECT_EQ(text.find("Master"), std::string::npos);
}

// Exposes the property path, which must be empty again after a failure.
class TPathWriter : public TWriter {
 public:
  using TWriter::TWriter;
  const std::u16string& PropPath() const { return FPropPath; }
};

TEST(WriterComponents, StateIsRestoredWhenWritingFails) {
  TTestRoot root(nullptr);
  root.GetPen()->FailOnWrite = true;
  TMemoryStream stream;
  TPathWriter writer(stream, kDefaultFilerBufferSize);
  writer.AssignRoot(&root);
  EXPECT_THROW(writer.WriteComponent(root), EWriteError);
  EXPECT_EQ(writer.PropPath(), u"");
  EXPECT_FALSE(root.ComponentState().Contains(csWriting));
}

TEST(WriterComponents, TheComponentIsMarkedAsWritingWhileItIsWritten) {
  TTestRoot root(nullptr);
  root.FBlob = {9};
  WriteRoot(root);
  EXPECT_TRUE(root.FWritingSeen);
  EXPECT_FALSE(root.ComponentState().Contains(csWriting));
}

}  // namespace
}  // namespace kel::testmodel
