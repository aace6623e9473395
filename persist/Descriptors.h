// Property and class descriptors: what the reader and the writer know about a
// persistent class. Classes do not fill these by hand; they declare their
// tables with persist/ClassDeclaration.h.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "persist/PropertyIndex.h"
#include "persist/TypeInfo.h"

namespace kel {

class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;
struct TPropInfo;

// Index value of a property that is not indexed, and Default value of a
// property that has no default ("nodefault").
inline constexpr int32_t kNotIndexed = INT32_MIN;
inline constexpr int32_t kNoDefault = INT32_MIN;

// A member pointer of any shape (data member, member function), kept as its
// bytes for the functions that know its type.
class TMemberRef {
 public:
  template <class M>
  static TMemberRef Of(M member) {
    static_assert(sizeof(M) <= kSize && std::is_trivially_copyable_v<M>);
    TMemberRef ref;
    std::memcpy(ref.FBytes, &member, sizeof member);
    return ref;
  }
  template <class M>
  M As() const {
    M member;
    std::memcpy(&member, FBytes, sizeof member);
    return member;
  }

 private:
  static constexpr size_t kSize = 2 * sizeof(void*);
  alignas(void*) unsigned char FBytes[kSize] = {};
};

// The accessors of one kind of value: functions that know the class and the
// member, called with the member and the property's index. Every ordinal kind
// (integers, characters, enumerations, sets as their bit mask) travels as
// int64_t; floats as double; texts as UTF-16; class values as TPersistent*;
// events as TMethod.
template <class V>
struct TAccessors {
  V (*Get)(TPersistent& object, const TMemberRef& getter, int32_t index) = nullptr;
  void (*Set)(TPersistent& object,
              const TMemberRef& setter,
              int32_t index,
              const V& value) = nullptr;
  TMemberRef Getter;
  TMemberRef Setter;
};

// The typed access that a property kind goes through; also the alternative
// of TPropAccess that holds its accessors.
enum class TPropChannel : uint8_t { Ordinal, Float, Text, Object, Method, None };

using TPropAccess = std::variant<TAccessors<int64_t>,
                                 TAccessors<double>,
                                 TAccessors<std::u16string>,
                                 TAccessors<TPersistent*>,
                                 TAccessors<TMethod>>;

// Whether a property is written: a constant, or a function that reads the
// member it was given (a Boolean field, a predicate, a remembered default).
struct TStoredRule {
  bool Constant = true;
  bool (*Proc)(TPersistent& object, const TPropInfo& prop) = nullptr;
  TMemberRef Member;
};

struct TPropInfo {
  const TTypeInfo* PropType = nullptr;
  TPropAccess Access;  // the accessors of the type's channel
  TStoredRule Stored;
  int32_t Index = kNotIndexed;
  int32_t Default = kNoDefault;
  int16_t NameIndex = 0;
  std::u16string Name;

  TTypeKind Kind() const { return PropType->Kind; }
  TPropChannel Channel() const { return static_cast<TPropChannel>(Access.index()); }
  bool HasGetProc() const;
  bool HasSetProc() const;
};

// A published method: the handler names that event properties are written with.
struct TMethodEntry {
  std::u16string Name;
  void* Code = nullptr;
};

class TClassInfo {
 public:
  TClassInfo() = default;
  // Props points into OwnProps, which a move keeps in place; a copy would not.
  TClassInfo(TClassInfo&&) = default;
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  std::u16string ClassName;
  const TClassInfo* ParentInfo = nullptr;
  int PropCount = 0;
  std::u16string UnitName;
  std::vector<TPropInfo> OwnProps;       // published by this class, new or republished
  std::vector<TPropInfo> DeclaredProps;  // declared here, published by descendants only
  std::vector<TMethodEntry> Methods;     // published methods of this class
  std::vector<const TPropInfo*> Props;   // all properties in slot order
  // Every name this class sees, published or only declared, at its nearest
  // declaration.
  TPropIndex PropsByName;
  // Factories, absent for abstract classes: a component constructed with its
  // owner (who owns it; with a null owner the caller does), a collection item
  // constructed for its collection (not yet inserted).
  TComponent* (*CreateComponent)(TComponent* owner) = nullptr;
  std::unique_ptr<TCollectionItem> (*CreateItem)(TCollection* collection) = nullptr;

  bool InheritsFrom(const TClassInfo& ancestor) const;
};

// The published properties in slot order (parent slots first, then each
// class's new properties in declaration order; a redeclared property keeps
// its ancestor's slot and carries the redeclared descriptor).
const std::vector<const TPropInfo*>& ListPublishedProperties(const TClassInfo& info);
// The published property of that name, compared without regard to case
// (ASCII case through the class's index; names beyond ASCII with Unicode case
// folding): the descriptor that holds its slot. Null when absent.
const TPropInfo* GetPropInfo(const TClassInfo& info, std::u16string_view name);
bool PropertyIsStored(TPersistent& instance, const TPropInfo& prop);
// The address of the published method of that name, searched upward; null
// when there is none.
void* MethodAddress(const TClassInfo& info, std::u16string_view name);
// The name of the published method at that address; empty when there is none.
std::u16string MethodName(const TClassInfo& info, void* code);

// Typed access. Ordinals are read and written with the width and signedness of
// the property's C++ type; floats are converted to the property's float type.
// Accessing a property through the wrong kind raises EPropertyError.
int64_t GetOrdProp(TPersistent& instance, const TPropInfo& prop);
void SetOrdProp(TPersistent& instance, const TPropInfo& prop, int64_t value);
double GetFloatProp(TPersistent& instance, const TPropInfo& prop);
void SetFloatProp(TPersistent& instance, const TPropInfo& prop, double value);
std::u16string GetStrProp(TPersistent& instance, const TPropInfo& prop);
void SetStrProp(TPersistent& instance, const TPropInfo& prop, const std::u16string& value);
int64_t GetInt64Prop(TPersistent& instance, const TPropInfo& prop);
void SetInt64Prop(TPersistent& instance, const TPropInfo& prop, int64_t value);
TMethod GetMethodProp(TPersistent& instance, const TPropInfo& prop);
void SetMethodProp(TPersistent& instance, const TPropInfo& prop, const TMethod& value);
TPersistent* GetObjectProp(TPersistent& instance, const TPropInfo& prop);
// Raises EReadError "Invalid property value" when value is not of the
// property's class.
void SetObjectProp(TPersistent& instance, const TPropInfo& prop, TPersistent* value);

}  // namespace kel
