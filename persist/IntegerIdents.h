// Integer types written by name when their value has one (colours, font
// character sets, cursors), and the process-wide list of identifier maps.
// A map applies only to properties declared with exactly its type.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "persist/TypeInfo.h"

namespace kel {

// A 32-bit colour: 0x00BBGGRR, or a special or system colour below.
enum TColor : int32_t {
  clBlack = 0x000000,
  clMaroon = 0x000080,
  clGreen = 0x008000,
  clOlive = 0x008080,
  clNavy = 0x800000,
  clPurple = 0x800080,
  clTeal = 0x808000,
  clGray = 0x808080,
  clSilver = 0xC0C0C0,
  clRed = 0x0000FF,
  clLime = 0x00FF00,
  clYellow = 0x00FFFF,
  clBlue = 0xFF0000,
  clFuchsia = 0xFF00FF,
  clAqua = 0xFFFF00,
  clWhite = 0xFFFFFF,
  clMoneyGreen = 0xC0DCC0,
  clSkyBlue = 0xF0CAA6,
  clCream = 0xF0FBFF,
  clMedGray = 0xA4A0A0,
  clNone = 0x1FFFFFFF,
  clDefault = 0x20000000,
  clScrollBar = static_cast<int32_t>(0xFF000000),
  clBackground = static_cast<int32_t>(0xFF000001),
  clActiveCaption = static_cast<int32_t>(0xFF000002),
  clInactiveCaption = static_cast<int32_t>(0xFF000003),
  clMenu = static_cast<int32_t>(0xFF000004),
  clWindow = static_cast<int32_t>(0xFF000005),
  clWindowFrame = static_cast<int32_t>(0xFF000006),
  clMenuText = static_cast<int32_t>(0xFF000007),
  clWindowText = static_cast<int32_t>(0xFF000008),
  clCaptionText = static_cast<int32_t>(0xFF000009),
  clActiveBorder = static_cast<int32_t>(0xFF00000A),
  clInactiveBorder = static_cast<int32_t>(0xFF00000B),
  clAppWorkSpace = static_cast<int32_t>(0xFF00000C),
  clHighlight = static_cast<int32_t>(0xFF00000D),
  clHighlightText = static_cast<int32_t>(0xFF00000E),
  clBtnFace = static_cast<int32_t>(0xFF00000F),
  clBtnShadow = static_cast<int32_t>(0xFF000010),
  clGrayText = static_cast<int32_t>(0xFF000011),
  clBtnText = static_cast<int32_t>(0xFF000012),
  clInactiveCaptionText = static_cast<int32_t>(0xFF000013),
  clBtnHighlight = static_cast<int32_t>(0xFF000014),
  cl3DDkShadow = static_cast<int32_t>(0xFF000015),
  cl3DLight = static_cast<int32_t>(0xFF000016),
  clInfoText = static_cast<int32_t>(0xFF000017),
  clInfoBk = static_cast<int32_t>(0xFF000018),
  clHotLight = static_cast<int32_t>(0xFF00001A),
  clGradientActiveCaption = static_cast<int32_t>(0xFF00001B),
  clGradientInactiveCaption = static_cast<int32_t>(0xFF00001C),
  clMenuHighlight = static_cast<int32_t>(0xFF00001D),
  clMenuBar = static_cast<int32_t>(0xFF00001E),
};

// A font character set, 0 to 255.
enum TFontCharset : uint8_t {
  ANSI_CHARSET = 0,
  DEFAULT_CHARSET = 1,
  SYMBOL_CHARSET = 2,
  MAC_CHARSET = 77,
  SHIFTJIS_CHARSET = 128,
  HANGEUL_CHARSET = 129,
  JOHAB_CHARSET = 130,
  GB2312_CHARSET = 134,
  CHINESEBIG5_CHARSET = 136,
  GREEK_CHARSET = 161,
  TURKISH_CHARSET = 162,
  HEBREW_CHARSET = 177,
  ARABIC_CHARSET = 178,
  BALTIC_CHARSET = 186,
  RUSSIAN_CHARSET = 204,
  THAI_CHARSET = 222,
  EASTEUROPE_CHARSET = 238,
  OEM_CHARSET = 255,
};

// A mouse cursor, -32768 to 32767.
enum TCursor : int16_t {
  crDefault = 0,
  crArrow = -2,
  crCross = -3,
  crIBeam = -4,
  crSizeNESW = -6,
  crSizeNS = -7,
  crSizeNWSE = -8,
  crSizeWE = -9,
  crUpArrow = -10,
  crHourGlass = -11,
  crDrag = -12,
  crNoDrop = -13,
  crHSplit = -14,
  crVSplit = -15,
  crMultiDrag = -16,
  crSQLWait = -17,
  crNo = -18,
  crAppStart = -19,
  crHelp = -20,
  crHandPoint = -21,
  crSizeAll = -22,
  crSize = -22,
};

const TTypeInfo& KelTypeInfo(TColor*);
const TTypeInfo& KelTypeInfo(TFontCharset*);
const TTypeInfo& KelTypeInfo(TCursor*);

// Name-to-value and value-to-name conversions of one integer type.
using TIdentToInt = std::optional<int32_t> (*)(std::u16string_view ident);
using TIntToIdent = std::optional<std::u16string> (*)(int32_t value);

// Adds a map to the process-wide list. The colour, character-set and cursor
// maps are there from the start.
void RegisterIntegerIdents(const TTypeInfo& integerType,
                           TIdentToInt identToInt,
                           TIntToIdent intToIdent);
// Removes the most recently added map of that type, if any.
void UnregisterIntegerIdents(const TTypeInfo& integerType);
// The conversions of the most recently registered map for exactly this type;
// null when there is none.
TIdentToInt FindIdentToInt(const TTypeInfo& integerType);
TIntToIdent FindIntToIdent(const TTypeInfo& integerType);

// The standard maps: names compared without regard to ASCII case, the first
// matching entry in table order wins.
std::optional<int32_t> IdentToColor(std::u16string_view ident);
std::optional<std::u16string> ColorToIdent(int32_t color);
std::optional<int32_t> IdentToCharset(std::u16string_view ident);
std::optional<std::u16string> CharsetToIdent(int32_t charset);
std::optional<int32_t> IdentToCursor(std::u16string_view ident);
std::optional<std::u16string> CursorToIdent(int32_t cursor);

}  // namespace kel
