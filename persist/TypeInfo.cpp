#include "persist/TypeInfo.h"

#include <algorithm>
#include <limits>

#include "persist/Unicode.h"

namespace kel {
namespace {

template <class T>
TTypeInfo IntegerTypeInfo(std::u16string_view name, TOrdType ordType) {
  return MakeOrdinalTypeInfo(tkInteger, name, ordType, std::numeric_limits<T>::min(),
                             std::numeric_limits<T>::max());
}

TTypeInfo FloatTypeInfo(std::u16string_view name, TFloatType floatType) {
  TTypeInfo info;
  info.Kind = tkFloat;
  info.Name = name;
  info.Data.FloatType = floatType;
  return info;
}

bool IsNameSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

std::u16string GetEnumName(const TTypeInfo& type, int64_t ordinal) {
  const auto& names = type.Data.NameList;
  if (ordinal < 0 || ordinal >= static_cast<int64_t>(names.size())) return {};
  return names[static_cast<size_t>(ordinal)];
}

int GetEnumValue(const TTypeInfo& type, std::u16string_view name) {
  const auto& names = type.Data.NameList;
  const auto found =
      std::find_if(names.begin(), names.end(), [&](const auto& n) { return SameText(n, name); });
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

const std::vector<std::u16string>& GetSetElementNames(const TTypeInfo& setType) {
  return setType.Data.CompType->Data.NameList;
}

TTypeInfo MakeOrdinalTypeInfo(TTypeKind kind,
                              std::u16string_view name,
                              TOrdType ordType,
                              int64_t minValue,
                              int64_t maxValue) {
  TTypeInfo info;
  info.Kind = kind;
  info.Name = name;
  info.Data.OrdType = ordType;
  info.Data.MinValue = minValue;
  info.Data.MaxValue = maxValue;
  return info;
}

TTypeInfo MakeEnumTypeInfo(std::u16string_view name, std::string_view commaSeparatedNames) {
  TTypeInfo info;
  info.Kind = tkEnumeration;
  info.Name = name;
  info.Data.OrdType = otUByte;
  size_t start = 0;
  while (start <= commaSeparatedNames.size()) {
    size_t end = commaSeparatedNames.find(',', start);
    if (end == std::string_view::npos) end = commaSeparatedNames.size();
    std::string_view element = commaSeparatedNames.substr(start, end - start);
    while (!element.empty() && IsNameSpace(element.front())) element.remove_prefix(1);
    while (!element.empty() && IsNameSpace(element.back())) element.remove_suffix(1);
    if (!element.empty()) info.Data.NameList.push_back(Utf8ToUtf16(element));
    start = end + 1;
  }
  info.Data.MaxValue = static_cast<int64_t>(info.Data.NameList.size()) - 1;
  return info;
}

TTypeInfo MakeSetTypeInfo(const TTypeInfo& elementType) {
  TTypeInfo info;
  info.Kind = tkSet;
  info.Name = u"set of " + elementType.Name;
  info.Data.OrdType = otULong;
  info.Data.CompType = &elementType;
  return info;
}

const TTypeInfo& KelTypeInfo(bool*) {
  static const TTypeInfo info = MakeEnumTypeInfo(u"Boolean", "False, True");
  return info;
}

const TTypeInfo& KelTypeInfo(int8_t*) {
  static const TTypeInfo info = IntegerTypeInfo<int8_t>(u"ShortInt", otSByte);
  return info;
}

const TTypeInfo& KelTypeInfo(uint8_t*) {
  static const TTypeInfo info = IntegerTypeInfo<uint8_t>(u"Byte", otUByte);
  return info;
}

const TTypeInfo& KelTypeInfo(int16_t*) {
  static const TTypeInfo info = IntegerTypeInfo<int16_t>(u"SmallInt", otSWord);
  return info;
}

const TTypeInfo& KelTypeInfo(uint16_t*) {
  static const TTypeInfo info = IntegerTypeInfo<uint16_t>(u"Word", otUWord);
  return info;
}

const TTypeInfo& KelTypeInfo(int32_t*) {
  static const TTypeInfo info = IntegerTypeInfo<int32_t>(u"Integer", otSLong);
  return info;
}

const TTypeInfo& KelTypeInfo(uint32_t*) {
  static const TTypeInfo info = IntegerTypeInfo<uint32_t>(u"Cardinal", otULong);
  return info;
}

const TTypeInfo& KelTypeInfo(int64_t*) {
  static const TTypeInfo info = [] {
    TTypeInfo i = IntegerTypeInfo<int64_t>(u"Int64", otSLong);
    i.Kind = tkInt64;
    return i;
  }();
  return info;
}

const TTypeInfo& KelTypeInfo(char16_t*) {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkWChar, u"WideChar", otUWord, 0, 0xFFFF);
  return info;
}

const TTypeInfo& KelTypeInfo(float*) {
  static const TTypeInfo info = FloatTypeInfo(u"Single", ftSingle);
  return info;
}

const TTypeInfo& KelTypeInfo(double*) {
  static const TTypeInfo info = FloatTypeInfo(u"Double", ftDouble);
  return info;
}

const TTypeInfo& KelTypeInfo(std::u16string*) {
  static const TTypeInfo info = [] {
    TTypeInfo i;
    i.Kind = tkUString;
    i.Name = u"string";
    return i;
  }();
  return info;
}

const TTypeInfo& KelTypeInfo(TMethod*) {
  static const TTypeInfo info = [] {
    TTypeInfo i;
    i.Kind = tkMethod;
    i.Name = u"TMethod";
    return i;
  }();
  return info;
}

}  // namespace kel
