#include <gtest/gtest.h>

#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {
namespace {

TEST(IntegerIdents, StandardMapsConvertBothWays) {
  struct Case {
    const TTypeInfo& type;
    int32_t value;
    const char16_t* name;
  } cases[] = {
      {TypeInfoOf<TColor>(), 0x20000000, u"clDefault"},
      {TypeInfoOf<TColor>(), 0xFF, u"clRed"},
      {TypeInfoOf<TColor>(), static_cast<int32_t>(0xFF00000F), u"clBtnFace"},
      {TypeInfoOf<TColor>(), 0x1FFFFFFF, u"clNone"},
      {TypeInfoOf<TFontCharset>(), 1, u"DEFAULT_CHARSET"},
      {TypeInfoOf<TFontCharset>(), 255, u"OEM_CHARSET"},
      {TypeInfoOf<TCursor>(), -21, u"crHandPoint"},
      {TypeInfoOf<TCursor>(), -22, u"crSizeAll"},  // the first of the two names of -22
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(FindIntToIdent(c.type)(c.value), c.name);
    EXPECT_EQ(FindIdentToInt(c.type)(c.name), c.value);
  }
}

TEST(IntegerIdents, NamesIgnoreAsciiCaseAndUnknownsGiveNothing) {
  EXPECT_EQ(IdentToColor(u"CLWHITE"), 0xFFFFFF);
  EXPECT_EQ(IdentToCursor(u"crSize"), -22);
  EXPECT_EQ(IdentToColor(u"clPink"), std::nullopt);
  EXPECT_EQ(ColorToIdent(0x123456), std::nullopt);
  EXPECT_EQ(CharsetToIdent(3), std::nullopt);
}

TEST(IntegerIdents, MapsApplyOnlyToTheirExactType) {
  EXPECT_EQ(FindIntToIdent(TypeInfoOf<int32_t>()), nullptr);
  EXPECT_EQ(FindIdentToInt(TypeInfoOf<uint8_t>()), nullptr);
}

std::optional<int32_t> OtherIdentToInt(std::u16string_view) {
  return 7;
}
std::optional<std::u16string> OtherIntToIdent(int32_t) {
  return u"clOther";
}

TEST(IntegerIdents, TheMostRecentMapForATypeWins) {
  const TTypeInfo& color = TypeInfoOf<TColor>();
  RegisterIntegerIdents(color, OtherIdentToInt, OtherIntToIdent);
  EXPECT_EQ(FindIntToIdent(color)(0), u"clOther");
  UnregisterIntegerIdents(color);
  EXPECT_EQ(FindIntToIdent(color)(0), u"clBlack");
}

}  // namespace
}  // namespace kel
