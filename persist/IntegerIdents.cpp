#include "persist/IntegerIdents.h"

#include <algorithm>
#include <mutex>
#include <span>
#include <vector>

#include "persist/NameCompare.h"

namespace kel {
namespace {

struct TIdentMapEntry {
  int32_t Value;
  const char16_t* Name;
};

constexpr TIdentMapEntry kColors[] = {
    {0x0, u"clBlack"},
    {0x80, u"clMaroon"},
    {0x8000, u"clGreen"},
    {0x8080, u"clOlive"},
    {0x800000, u"clNavy"},
    {0x800080, u"clPurple"},
    {0x808000, u"clTeal"},
    {0x808080, u"clGray"},
    {0xC0C0C0, u"clSilver"},
    {0xFF, u"clRed"},
    {0xFF00, u"clLime"},
    {0xFFFF, u"clYellow"},
    {0xFF0000, u"clBlue"},
    {0xFF00FF, u"clFuchsia"},
    {0xFFFF00, u"clAqua"},
    {0xFFFFFF, u"clWhite"},
    {0xC0DCC0, u"clMoneyGreen"},
    {0xF0CAA6, u"clSkyBlue"},
    {0xF0FBFF, u"clCream"},
    {0xA4A0A0, u"clMedGray"},
    {static_cast<int32_t>(0xFF00000A), u"clActiveBorder"},
    {static_cast<int32_t>(0xFF000002), u"clActiveCaption"},
    {static_cast<int32_t>(0xFF00000C), u"clAppWorkSpace"},
    {static_cast<int32_t>(0xFF000001), u"clBackground"},
    {static_cast<int32_t>(0xFF00000F), u"clBtnFace"},
    {static_cast<int32_t>(0xFF000014), u"clBtnHighlight"},
    {static_cast<int32_t>(0xFF000010), u"clBtnShadow"},
    {static_cast<int32_t>(0xFF000012), u"clBtnText"},
    {static_cast<int32_t>(0xFF000009), u"clCaptionText"},
    {0x20000000, u"clDefault"},
    {static_cast<int32_t>(0xFF00001B), u"clGradientActiveCaption"},
    {static_cast<int32_t>(0xFF00001C), u"clGradientInactiveCaption"},
    {static_cast<int32_t>(0xFF000011), u"clGrayText"},
    {static_cast<int32_t>(0xFF00000D), u"clHighlight"},
    {static_cast<int32_t>(0xFF00000E), u"clHighlightText"},
    {static_cast<int32_t>(0xFF00001A), u"clHotLight"},
    {static_cast<int32_t>(0xFF00000B), u"clInactiveBorder"},
    {static_cast<int32_t>(0xFF000003), u"clInactiveCaption"},
    {static_cast<int32_t>(0xFF000013), u"clInactiveCaptionText"},
    {static_cast<int32_t>(0xFF000018), u"clInfoBk"},
    {static_cast<int32_t>(0xFF000017), u"clInfoText"},
    {static_cast<int32_t>(0xFF000004), u"clMenu"},
    {static_cast<int32_t>(0xFF00001E), u"clMenuBar"},
    {static_cast<int32_t>(0xFF00001D), u"clMenuHighlight"},
    {static_cast<int32_t>(0xFF000007), u"clMenuText"},
    {0x1FFFFFFF, u"clNone"},
    {static_cast<int32_t>(0xFF000000), u"clScrollBar"},
    {static_cast<int32_t>(0xFF000015), u"cl3DDkShadow"},
    {static_cast<int32_t>(0xFF000016), u"cl3DLight"},
    {static_cast<int32_t>(0xFF000005), u"clWindow"},
    {static_cast<int32_t>(0xFF000006), u"clWindowFrame"},
    {static_cast<int32_t>(0xFF000008), u"clWindowText"},
};

constexpr TIdentMapEntry kCharsets[] = {
    {0, u"ANSI_CHARSET"},     {1, u"DEFAULT_CHARSET"},      {2, u"SYMBOL_CHARSET"},
    {77, u"MAC_CHARSET"},     {128, u"SHIFTJIS_CHARSET"},   {129, u"HANGEUL_CHARSET"},
    {130, u"JOHAB_CHARSET"},  {134, u"GB2312_CHARSET"},     {136, u"CHINESEBIG5_CHARSET"},
    {161, u"GREEK_CHARSET"},  {162, u"TURKISH_CHARSET"},    {177, u"HEBREW_CHARSET"},
    {178, u"ARABIC_CHARSET"}, {186, u"BALTIC_CHARSET"},     {204, u"RUSSIAN_CHARSET"},
    {222, u"THAI_CHARSET"},   {238, u"EASTEUROPE_CHARSET"}, {255, u"OEM_CHARSET"},
};

// -22 has two names; the first (crSizeAll) is the one written.
constexpr TIdentMapEntry kCursors[] = {
    {0, u"crDefault"},   {-2, u"crArrow"},      {-3, u"crCross"},      {-4, u"crIBeam"},
    {-6, u"crSizeNESW"}, {-7, u"crSizeNS"},     {-8, u"crSizeNWSE"},   {-9, u"crSizeWE"},
    {-10, u"crUpArrow"}, {-11, u"crHourGlass"}, {-12, u"crDrag"},      {-13, u"crNoDrop"},
    {-14, u"crHSplit"},  {-15, u"crVSplit"},    {-16, u"crMultiDrag"}, {-17, u"crSQLWait"},
    {-18, u"crNo"},      {-19, u"crAppStart"},  {-20, u"crHelp"},      {-21, u"crHandPoint"},
    {-22, u"crSizeAll"}, {-22, u"crSize"},
};

std::optional<int32_t> IdentToInt(std::span<const TIdentMapEntry> map, std::u16string_view ident) {
  for (const auto& entry : map) {
    if (SameTextAscii(ident, entry.Name)) {
      return entry.Value;
    }
  }
  return std::nullopt;
}

std::optional<std::u16string> IntToIdent(std::span<const TIdentMapEntry> map, int32_t value) {
  for (const auto& entry : map) {
    if (entry.Value == value) return std::u16string(entry.Name);
  }
  return std::nullopt;
}

struct TIntConst {
  const TTypeInfo* IntegerType;
  TIdentToInt IdentToInt;
  TIntToIdent IntToIdent;
};

// The registered maps, searched from the most recent backwards.
struct TIntConstList {
  std::mutex Lock;
  std::vector<TIntConst> Maps;

  TIntConstList() {
    Maps.push_back({&KelTypeInfo(static_cast<TColor*>(nullptr)), IdentToColor, ColorToIdent});
    Maps.push_back(
        {&KelTypeInfo(static_cast<TFontCharset*>(nullptr)), IdentToCharset, CharsetToIdent});
    Maps.push_back({&KelTypeInfo(static_cast<TCursor*>(nullptr)), IdentToCursor, CursorToIdent});
  }

  const TIntConst* Find(const TTypeInfo& type) {
    const auto found = std::find_if(Maps.rbegin(), Maps.rend(),
                                    [&](const TIntConst& map) { return map.IntegerType == &type; });
    return found == Maps.rend() ? nullptr : &*found;
  }
};

TIntConstList& IntConstList() {
  static TIntConstList list;
  return list;
}

}  // namespace

const TTypeInfo& KelTypeInfo(TColor*) {
  static const TTypeInfo info =
      MakeOrdinalTypeInfo(tkInteger, u"TColor", otSLong, INT32_MIN, INT32_MAX);
  return info;
}

const TTypeInfo& KelTypeInfo(TFontCharset*) {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, u"TFontCharset", otUByte, 0, 255);
  return info;
}

const TTypeInfo& KelTypeInfo(TCursor*) {
  static const TTypeInfo info =
      MakeOrdinalTypeInfo(tkInteger, u"TCursor", otSWord, INT16_MIN, INT16_MAX);
  return info;
}

void RegisterIntegerIdents(const TTypeInfo& integerType,
                           TIdentToInt identToInt,
                           TIntToIdent intToIdent) {
  auto& list = IntConstList();
  std::lock_guard guard(list.Lock);
  list.Maps.push_back({&integerType, identToInt, intToIdent});
}

void UnregisterIntegerIdents(const TTypeInfo& integerType) {
  auto& list = IntConstList();
  std::lock_guard guard(list.Lock);
  const auto found = std::find_if(list.Maps.rbegin(), list.Maps.rend(), [&](const TIntConst& map) {
    return map.IntegerType == &integerType;
  });
  if (found != list.Maps.rend()) list.Maps.erase(std::next(found).base());
}

TIdentToInt FindIdentToInt(const TTypeInfo& integerType) {
  auto& list = IntConstList();
  std::lock_guard guard(list.Lock);
  const TIntConst* map = list.Find(integerType);
  return map ? map->IdentToInt : nullptr;
}

TIntToIdent FindIntToIdent(const TTypeInfo& integerType) {
  auto& list = IntConstList();
  std::lock_guard guard(list.Lock);
  const TIntConst* map = list.Find(integerType);
  return map ? map->IntToIdent : nullptr;
}

std::optional<int32_t> IdentToColor(std::u16string_view ident) {
  return IdentToInt(kColors, ident);
}
std::optional<std::u16string> ColorToIdent(int32_t color) {
  return IntToIdent(kColors, color);
}
std::optional<int32_t> IdentToCharset(std::u16string_view ident) {
  return IdentToInt(kCharsets, ident);
}
std::optional<std::u16string> CharsetToIdent(int32_t charset) {
  return IntToIdent(kCharsets, charset);
}
std::optional<int32_t> IdentToCursor(std::u16string_view ident) {
  return IdentToInt(kCursors, ident);
}
std::optional<std::u16string> CursorToIdent(int32_t cursor) {
  return IntToIdent(kCursors, cursor);
}

}  // namespace kel
