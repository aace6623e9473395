// Property and class descriptors: what the reader and the writer know about a
// persistent class. Classes do not fill these by hand; they declare their
// tables with persist/ClassDeclaration.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persist/TypeInfo.h"

namespace kel {

class TPersistent;
class TComponent;
class TCollection;
class TCollectionItem;

// Index value of a property that is not indexed, and Default value of a
// property that has no default ("nodefault").
inline constexpr int32_t kNotIndexed = INT32_MIN;
inline constexpr int32_t kNoDefault = INT32_MIN;

// Type-erased accessors. Every ordinal kind (integers, characters,
// enumerations, sets as their bit mask) travels as int64_t; floats as double;
// texts as UTF-16; class values as TPersistent*; events as TMethod.
template <class V>
struct TAccessors {
  std::function<V(TPersistent&)> Get;
  std::function<void(TPersistent&, const V&)> Set;
};

enum class TStoredKind : uint8_t { Constant, Field, Predicate };

// The typed access that a property kind goes through.
enum class TPropChannel : uint8_t { Ordinal, Float, Text, Object, Method, None };
TPropChannel ChannelOf(TTypeKind kind);

struct TPropInfo {
  const TTypeInfo* PropType = nullptr;
  // Exactly one of these is in use, chosen by PropType->Kind.
  TAccessors<int64_t> Ordinal;
  TAccessors<double> Float;
  TAccessors<std::u16string> Text;
  TAccessors<TPersistent*> Object;
  TAccessors<TMethod> Method;
  TStoredKind StoredKind = TStoredKind::Constant;
  bool StoredConstant = true;
  std::function<bool(TPersistent&, const TPropInfo&)> StoredProc;  // field or predicate
  int32_t Index = kNotIndexed;
  int32_t Default = kNoDefault;
  int16_t NameIndex = 0;
  std::u16string Name;

  TTypeKind Kind() const { return PropType->Kind; }
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
// Search by name without regard to case: the class's own table first, then
// each ancestor's. Null when absent.
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
