// Type descriptors of published properties: the kind of a value, the width of
// ordinals, the element names of enumerations and sets, the float type, and
// (for class-typed properties) the class descriptor.
//
// A C++ type gets its descriptor from TypeInfoOf<T>(), which finds an overload
// KelTypeInfo(T*) by argument-dependent lookup. Overloads exist for bool, the
// integer types, char16_t, float, double, std::u16string, TMethod, TSet<E>
// and pointers to persistent classes. Enumerations get theirs from KEL_ENUM:
//
//   KEL_ENUM(TPenStyle, psSolid, psDash, psDot);   // at namespace scope
//
// declares `enum TPenStyle : uint8_t { psSolid, psDash, psDot }` and its
// descriptor with the element names "psSolid", "psDash", "psDot".
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace kel {

class TClassInfo;

enum TTypeKind : uint8_t {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString,
  tkWString,
  tkVariant,
  tkArray,
  tkRecord,
  tkInterface,
  tkInt64,
  tkDynArray,
  tkUString,
  tkClassRef,
  tkPointer,
  tkProcedure,
};

enum TOrdType : uint8_t { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType : uint8_t { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

struct TTypeInfo;

// Kind-specific data of a type descriptor.
struct TTypeData {
  TOrdType OrdType = otSLong;  // ordinal kinds
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  std::vector<std::u16string> NameList;  // tkEnumeration: element names by ordinal
  const TTypeInfo* CompType = nullptr;   // tkSet: the element enumeration
  TFloatType FloatType = ftDouble;       // tkFloat
  // tkClass: the class descriptor, fetched on demand so that classes whose
  // properties refer to each other can declare their tables independently.
  const TClassInfo& (*ClassInfo)() = nullptr;
};

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  std::u16string Name;
  TTypeData Data;
};

// An event value: handler address and receiver.
struct TMethod {
  void* Code = nullptr;
  void* Data = nullptr;
  bool Assigned() const { return Code != nullptr; }
  bool operator==(const TMethod&) const = default;
};

// A set of up to 32 elements of the enumeration E, kept as a bit mask.
template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> elements) {
    for (E e : elements) Include(e);
  }
  static constexpr TSet FromBits(uint32_t bits) {
    TSet s;
    s.FBits = bits;
    return s;
  }
  constexpr uint32_t Bits() const { return FBits; }
  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E e) {
    FBits |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    FBits &= ~Bit(e);
    return *this;
  }
  constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
  constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint32_t Bit(E e) {
    const auto ordinal = static_cast<uint32_t>(e);
    return ordinal < 32 ? uint32_t{1} << ordinal : 0;
  }
  uint32_t FBits = 0;
};

// Element names of an enumeration (Boolean gives "False" and "True"); an
// ordinal out of range gives the empty text.
std::u16string GetEnumName(const TTypeInfo& type, int64_t ordinal);
// Ordinal of an element name, compared without regard to case; -1 when absent.
int GetEnumValue(const TTypeInfo& type, std::u16string_view name);
// The element names of a set type's element enumeration.
const std::vector<std::u16string>& GetSetElementNames(const TTypeInfo& setType);

// Descriptor builders used by the overloads below and by KEL_ENUM.
// commaSeparatedNames is the stringised enumerator list, e.g. "psSolid, psDash".
TTypeInfo MakeEnumTypeInfo(std::u16string_view name, std::string_view commaSeparatedNames);
TTypeInfo MakeOrdinalTypeInfo(
    TTypeKind kind, std::u16string_view name, TOrdType ordType, int64_t minValue, int64_t maxValue);
TTypeInfo MakeSetTypeInfo(const TTypeInfo& elementType);

const TTypeInfo& KelTypeInfo(bool*);
const TTypeInfo& KelTypeInfo(int8_t*);
const TTypeInfo& KelTypeInfo(uint8_t*);
const TTypeInfo& KelTypeInfo(int16_t*);
const TTypeInfo& KelTypeInfo(uint16_t*);
const TTypeInfo& KelTypeInfo(int32_t*);
const TTypeInfo& KelTypeInfo(uint32_t*);
const TTypeInfo& KelTypeInfo(int64_t*);
const TTypeInfo& KelTypeInfo(char16_t*);
const TTypeInfo& KelTypeInfo(float*);
const TTypeInfo& KelTypeInfo(double*);
const TTypeInfo& KelTypeInfo(std::u16string*);
const TTypeInfo& KelTypeInfo(TMethod*);

// The descriptor of the C++ type T (see the top of this file).
template <class T>
const TTypeInfo& TypeInfoOf() {
  return KelTypeInfo(static_cast<T*>(nullptr));
}

template <class E>
const TTypeInfo& KelTypeInfo(TSet<E>*) {
  static const TTypeInfo info = MakeSetTypeInfo(TypeInfoOf<E>());
  return info;
}

}  // namespace kel

// Declares an enumeration with its element names; use at namespace scope.
#define KEL_ENUM(Name, ...)                                                                \
  enum Name : uint8_t { __VA_ARGS__ };                                                     \
  inline const ::kel::TTypeInfo& KelTypeInfo(Name*) {                                      \
    static const ::kel::TTypeInfo info = ::kel::MakeEnumTypeInfo(u"" #Name, #__VA_ARGS__); \
    return info;                                                                           \
  }
