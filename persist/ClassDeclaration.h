// Declaring a persistent class: its published property table, written once and
// used by both the reader and the writer.
//
// Header:
//
//   KEL_ENUM(TPenStyle, psSolid, psDash, psDot);       // enumerations with names
//
//   class TKelPen : public TPersistent {
//     KEL_CLASS(TKelPen, TPersistent)
//    public:
//     TColor GetColor() const;   void SetColor(TColor value);
//     TPenStyle FStyle = psSolid; void SetStyle(TPenStyle value);
//     int32_t GetWidth() const;  void SetWidth(int32_t value);
//     int32_t DefaultWidth = 1;  // the width that owners give their pens
//     TKelBrush* GetFill();      void SetFill(TKelBrush* value);   // created on first access
//   };
//
// Source file, one row per property, in the order of the property table:
//
//   KEL_PROPERTIES(TKelPen,
//       Property(u"Color", &TKelPen::GetColor, &TKelPen::SetColor).Default(clBlack),
//       Property(u"Style", &TKelPen::FStyle, &TKelPen::SetStyle).Default(psSolid),
//       Property(u"Width", &TKelPen::GetWidth, &TKelPen::SetWidth)
//           .NoDefault()
//           .StoredUnlessEqual(&TKelPen::DefaultWidth),
//       Property(u"Fill", &TKelPen::GetFill, &TKelPen::SetFill))
//
// A row is Property(name, getter, setter) with optional modifiers:
// - getter: a data member (a std::unique_ptr member reads as its pointer) or a
//   member function returning the value, const or not (a non-const getter may
//   create the sub-object on first access);
// - setter: a data member, a member function taking the value, or omitted for
//   a read-only property;
// - .Default(value) or .NoDefault(): an ordinal row (integers, enumerations,
//   Booleans, sets, characters, Int64) must say one of them; floats default
//   to 0 and texts to empty unless told otherwise, exactly like a table row
//   whose default is "0" or "empty";
// - .Stored(false), .Stored(&C::FBoolField) or .Stored(&C::IsXStored) (a
//   predicate; an indexed property's predicate takes the index);
// - .StoredUnlessEqual(&C::DefaultX): stored when the property's value
//   differs from that data member or const getter of the object (a default
//   that the object remembers; ordinal, float or text).
// IndexedProperty(name, index, getter, setter) passes index as the first
// argument to the getter, the setter and an indexed stored predicate.
//
// A class may declare rows that only its descendants publish, each in its own
// order: Declared(Property(...)) declares without publishing. A descendant
// publishes declared or inherited properties by name, mixed with its own new
// rows in stream order:
//
//   KEL_PROPERTIES(TChartSeries,
//       Declared(Property(u"Active", &S::Active, &S::SetActive).Default(true)),
//       Declared(Property(u"Depth", &S::Depth, &S::SetDepth).Default(-1)))
//   KEL_PROPERTIES(TLineSeries,
//       Published({u"Active", u"Depth"}),
//       Property(u"Emboss", &L::Emboss, &L::SetEmboss),
//       Redeclared(u"Visible").Default(false))
//
// Each name resolves to the row declared nearest: on the class itself, else
// on its parent, and so on up. Redeclared(name) publishes one such row with
// another .Default / .NoDefault / .Stored / .StoredUnlessEqual.
// PublishedMethod(name, &C::Handler) lists a method that event properties can
// name in the stream.
//
// The type of a property comes from the getter: bool, int8_t..uint32_t,
// int64_t, char16_t, float, double, std::u16string, TMethod (events), KEL_ENUM
// enumerations, TSet<E>, TColor, TCursor, TFontCharset (the types with an
// identifier map, persist/IntegerIdents.h) and pointers to persistent
// classes: sub-objects, collections, string lists, component references.
//
// Slots are computed: the parent's published properties first, then this
// class's newly published ones in row order; a property that an ancestor
// already publishes keeps its slot. A class registers itself for reading by
// name with RegisterClass (persist/ClassRegistry.h). Extra entries come from
// overriding DefineProperties; children from overriding GetChildren.
//
// Mistakes in a table (a name given twice, a name that nothing declares, a
// remembered default of another kind than the property) raise
// std::logic_error naming the class and the property when the table is built.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "persist/Collection.h"
#include "persist/Component.h"
#include "persist/Descriptors.h"
#include "persist/Persistent.h"
#include "persist/TypeInfo.h"

namespace kel {

// One row of a class's property table.
class TPropDecl {
 public:
  template <class V>
  TPropDecl& Default(V value);
  TPropDecl& NoDefault();
  TPropDecl& Stored(bool stored);
  template <class C>
  TPropDecl& Stored(bool C::*field);
  template <class C>
  TPropDecl& Stored(bool (C::*predicate)() const);
  template <class C>
  TPropDecl& Stored(bool (C::*predicate)(int32_t) const);
  template <class M>
  TPropDecl& StoredUnlessEqual(M rememberedDefault);

  // Used by DeclareClass.
  TPropInfo Info;
  bool Republishes = false;  // a name resolved to an earlier declaration
  bool Publishes = true;     // false for Declared rows
  bool DefaultGiven = false;
  bool StoredGiven = false;
  // The kind of value a remembered default compares with, checked against
  // the property when the table is built.
  TPropChannel RememberedDefaultChannel = TPropChannel::None;

 private:
  template <class M>
  TPropDecl& StoredBy(bool (*rule)(TPersistent&, const TPropInfo&), M member);
};

// Declared properties published by name, in this order.
struct TPublishedNames {
  std::vector<std::u16string_view> Names;
};

// One entry of a table: a row, a run of published names or a published method.
struct TTableRow {
  TTableRow(TPropDecl row) : Content(std::move(row)) {}
  TTableRow(TPublishedNames names) : Content(std::move(names)) {}
  TTableRow(TMethodEntry method) : Content(std::move(method)) {}
  std::variant<TPropDecl, TPublishedNames, TMethodEntry> Content;
};

template <class G, class S = std::nullptr_t>
TPropDecl Property(std::u16string_view name, G getter, S setter = nullptr);
template <class G, class S = std::nullptr_t>
TPropDecl IndexedProperty(std::u16string_view name, int32_t index, G getter, S setter = nullptr);
// A row this class declares for its descendants to publish.
TPropDecl Declared(TPropDecl row);
// Publishes the declared or inherited property of that name, open to modifiers.
TPropDecl Redeclared(std::u16string_view name);
// Publishes declared or inherited properties by name, in this order.
TPublishedNames Published(std::initializer_list<std::u16string_view> names);
// A method that event properties name in the stream.
template <class R, class... A>
TMethodEntry PublishedMethod(std::u16string_view name, R (*method)(A...));

// Builds the descriptor of T from its table.
template <class T>
TClassInfo DeclareClass(std::initializer_list<TTableRow> rows);

// Defines T::StaticClassInfo() from the table given after the class name.
#define KEL_PROPERTIES(Class, ...)                                                   \
  const ::kel::TClassInfo& Class::StaticClassInfo() {                                \
    static const ::kel::TClassInfo info = ::kel::DeclareClass<Class>({__VA_ARGS__}); \
    return info;                                                                     \
  }

// The type descriptor of a pointer to a persistent class.
template <class C>
requires std::derived_from<C, TPersistent>
const TTypeInfo& KelTypeInfo(C**) {
  static const TTypeInfo info = [] {
    TTypeInfo i;
    i.Kind = tkClass;
    i.Name = C::kClassName;
    i.Data.ClassInfo = &C::StaticClassInfo;
    return i;
  }();
  return info;
}

// ---------------------------------------------------------------------------
// Implementation.

namespace declaration {

[[noreturn]] void RaiseWrongClass();
// Resolves published names to their declarations, fills slots and lists the
// properties in slot order. Raises std::logic_error for a malformed table
// (see the top of this file).
void FinishClassInfo(TClassInfo& info, std::initializer_list<TTableRow> rows);
// Raises std::logic_error when a new ordinal row says neither .Default nor
// .NoDefault, so that no table relies on an implicit rule.
void CheckOrdinalDefaultGiven(std::u16string_view className, const TPropDecl& row);

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class V>
concept ObjectPointer =
    std::is_pointer_v<V> && std::derived_from<std::remove_pointer_t<V>, TPersistent>;

// The value type of a property from what its getter yields.
template <class R>
struct ValueOf {
  using Type = std::remove_cvref_t<R>;
};
template <class U>
struct ValueOf<std::unique_ptr<U>> {
  using Type = U*;
};

template <class V>
auto ToChannel(const V& value) {
  if constexpr (std::is_same_v<V, std::u16string> || std::is_same_v<V, TMethod>) {
    return value;
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<double>(value);
  } else if constexpr (ObjectPointer<V>) {
    return static_cast<TPersistent*>(value);
  } else if constexpr (IsSet<V>::value) {
    return static_cast<int64_t>(value.Bits());
  } else {
    static_assert(std::is_integral_v<V> || std::is_enum_v<V>, "unsupported property type");
    return static_cast<int64_t>(value);
  }
}

template <class V>
using Channel = decltype(ToChannel(std::declval<V>()));

template <class V>
V FromChannel(const Channel<V>& value) {
  if constexpr (std::is_same_v<V, std::u16string> || std::is_same_v<V, TMethod>) {
    return value;
  } else if constexpr (std::is_floating_point_v<V>) {
    return static_cast<V>(value);
  } else if constexpr (ObjectPointer<V>) {
    if (value == nullptr) return nullptr;
    auto* typed = dynamic_cast<V>(value);
    if (typed == nullptr) RaiseWrongClass();
    return typed;
  } else if constexpr (IsSet<V>::value) {
    return V::FromBits(static_cast<uint32_t>(value));
  } else if constexpr (std::is_same_v<V, bool>) {
    return value != 0;
  } else if constexpr (std::is_enum_v<V>) {
    return static_cast<V>(static_cast<std::underlying_type_t<V>>(value));
  } else {
    return static_cast<V>(value);
  }
}

template <class Ch>
constexpr TPropChannel ChannelOfValue() {
  if constexpr (std::is_same_v<Ch, int64_t>) {
    return TPropChannel::Ordinal;
  } else if constexpr (std::is_same_v<Ch, double>) {
    return TPropChannel::Float;
  } else if constexpr (std::is_same_v<Ch, std::u16string>) {
    return TPropChannel::Text;
  } else if constexpr (std::is_same_v<Ch, TPersistent*>) {
    return TPropChannel::Object;
  } else {
    return TPropChannel::Method;
  }
}

// The property's value through the typed access of its kind.
template <class Ch>
Ch ReadChannel(TPersistent& object, const TPropInfo& prop) {
  if constexpr (std::is_same_v<Ch, int64_t>) {
    return GetOrdProp(object, prop);
  } else if constexpr (std::is_same_v<Ch, double>) {
    return GetFloatProp(object, prop);
  } else {
    static_assert(std::is_same_v<Ch, std::u16string>,
                  "a remembered default is an ordinal, a float or a text");
    return GetStrProp(object, prop);
  }
}

// Getter shapes: data member, member function, indexed member function.
template <class G>
struct Getter;
template <class C, class T>
requires(!std::is_function_v<T>) struct Getter<T C::*> {
  using Class = C;
  using Value = typename ValueOf<T>::Type;
  static Value Call(T C::*field, C& object, int32_t) {
    if constexpr (std::is_same_v<T, std::unique_ptr<std::remove_pointer_t<Value>>>) {
      return (object.*field).get();
    } else {
      return object.*field;
    }
  }
};
template <class C, class R>
struct Getter<R (C::*)() const> {
  using Class = C;
  using Value = typename ValueOf<R>::Type;
  static Value Call(R (C::*get)() const, C& object, int32_t) { return (object.*get)(); }
};
template <class C, class R>
struct Getter<R (C::*)()> {
  using Class = C;
  using Value = typename ValueOf<R>::Type;
  static Value Call(R (C::*get)(), C& object, int32_t) { return (object.*get)(); }
};
template <class C, class R>
struct Getter<R (C::*)(int32_t) const> {
  using Class = C;
  using Value = typename ValueOf<R>::Type;
  static Value Call(R (C::*get)(int32_t) const, C& object, int32_t index) {
    return (object.*get)(index);
  }
};
template <class C, class R>
struct Getter<R (C::*)(int32_t)> {
  using Class = C;
  using Value = typename ValueOf<R>::Type;
  static Value Call(R (C::*get)(int32_t), C& object, int32_t index) { return (object.*get)(index); }
};

// Setter shapes: data member, member function, indexed member function.
template <class S>
struct Setter;
template <class C, class T>
requires(!std::is_function_v<T>) struct Setter<T C::*> {
  using Class = C;
  using Value = T;
  static void Call(T C::*field, C& object, int32_t, T value) { object.*field = std::move(value); }
};
template <class C, class P>
struct Setter<void (C::*)(P)> {
  using Class = C;
  using Value = std::remove_cvref_t<P>;
  static void Call(void (C::*set)(P), C& object, int32_t, Value value) {
    (object.*set)(std::move(value));
  }
};
template <class C, class P>
struct Setter<void (C::*)(int32_t, P)> {
  using Class = C;
  using Value = std::remove_cvref_t<P>;
  static void Call(void (C::*set)(int32_t, P), C& object, int32_t index, Value value) {
    (object.*set)(index, std::move(value));
  }
};

// The accessors and stored rules: one function per member shape, reading the
// member back from its bytes.
template <class G, class Ch>
Ch GetThrough(TPersistent& object, const TMemberRef& getter, int32_t index) {
  using Shape = Getter<G>;
  return ToChannel<typename Shape::Value>(
      Shape::Call(getter.As<G>(), static_cast<typename Shape::Class&>(object), index));
}

template <class S, class Ch>
void SetThrough(TPersistent& object, const TMemberRef& setter, int32_t index, const Ch& value) {
  using Shape = Setter<S>;
  Shape::Call(setter.As<S>(), static_cast<typename Shape::Class&>(object), index,
              FromChannel<typename Shape::Value>(value));
}

template <class M>
bool StoredWhenTrue(TPersistent& object, const TPropInfo& prop) {
  using Shape = Getter<M>;
  return Shape::Call(prop.Stored.Member.As<M>(), static_cast<typename Shape::Class&>(object),
                     prop.Index);
}

template <class M>
bool StoredUnlessDefault(TPersistent& object, const TPropInfo& prop) {
  using Shape = Getter<M>;
  using V = typename Shape::Value;
  const V remembered = Shape::Call(prop.Stored.Member.As<M>(),
                                   static_cast<typename Shape::Class&>(object), prop.Index);
  return ReadChannel<Channel<V>>(object, prop) != ToChannel<V>(remembered);
}

template <class V>
int32_t OrdinalDefault(V value) {
  if constexpr (IsSet<V>::value) {
    return static_cast<int32_t>(value.Bits());
  } else {
    static_assert(std::is_integral_v<V> || std::is_enum_v<V>,
                  "a default is an ordinal value (floats and texts only have 0 and empty)");
    return static_cast<int32_t>(value);
  }
}

template <class G, class S>
TPropDecl MakeProperty(std::u16string_view name, int32_t index, G getter, S setter) {
  using V = typename Getter<G>::Value;
  using Ch = Channel<V>;
  TPropDecl decl;
  TPropInfo& info = decl.Info;
  info.Name = name;
  info.Index = index;
  info.PropType = &TypeInfoOf<V>();
  info.Default = std::is_same_v<Ch, int64_t> ? kNoDefault : 0;
  TAccessors<Ch> access;
  access.Get = &GetThrough<G, Ch>;
  access.Getter = TMemberRef::Of(getter);
  if constexpr (!std::is_same_v<S, std::nullptr_t>) {
    static_assert(std::is_same_v<Channel<typename Setter<S>::Value>, Ch>,
                  "getter and setter disagree on the type");
    access.Set = &SetThrough<S, Ch>;
    access.Setter = TMemberRef::Of(setter);
  }
  info.Access = access;
  return decl;
}

}  // namespace declaration

template <class V>
TPropDecl& TPropDecl::Default(V value) {
  Info.Default = declaration::OrdinalDefault(value);
  DefaultGiven = true;
  return *this;
}

template <class M>
TPropDecl& TPropDecl::StoredBy(bool (*rule)(TPersistent&, const TPropInfo&), M member) {
  Info.Stored = {true, rule, TMemberRef::Of(member)};
  StoredGiven = true;
  return *this;
}

template <class C>
TPropDecl& TPropDecl::Stored(bool C::*field) {
  return StoredBy(&declaration::StoredWhenTrue<bool C::*>, field);
}

template <class C>
TPropDecl& TPropDecl::Stored(bool (C::*predicate)() const) {
  return StoredBy(&declaration::StoredWhenTrue<bool (C::*)() const>, predicate);
}

template <class C>
TPropDecl& TPropDecl::Stored(bool (C::*predicate)(int32_t) const) {
  return StoredBy(&declaration::StoredWhenTrue<bool (C::*)(int32_t) const>, predicate);
}

template <class M>
TPropDecl& TPropDecl::StoredUnlessEqual(M rememberedDefault) {
  using V = typename declaration::Getter<M>::Value;
  RememberedDefaultChannel = declaration::ChannelOfValue<declaration::Channel<V>>();
  return StoredBy(&declaration::StoredUnlessDefault<M>, rememberedDefault);
}

template <class G, class S>
TPropDecl Property(std::u16string_view name, G getter, S setter) {
  return declaration::MakeProperty(name, kNotIndexed, getter, setter);
}

template <class G, class S>
TPropDecl IndexedProperty(std::u16string_view name, int32_t index, G getter, S setter) {
  return declaration::MakeProperty(name, index, getter, setter);
}

template <class R, class... A>
TMethodEntry PublishedMethod(std::u16string_view name, R (*method)(A...)) {
  return {std::u16string(name), reinterpret_cast<void*>(method)};
}

template <class T>
TClassInfo DeclareClass(std::initializer_list<TTableRow> rows) {
  TClassInfo info;
  info.ClassName = T::kClassName;
  info.ParentInfo = &T::inherited::StaticClassInfo();
  if constexpr (!std::is_abstract_v<T> && std::derived_from<T, TComponent> &&
                std::is_constructible_v<T, TComponent*>) {
    info.CreateComponent = [](TComponent* owner) -> TComponent* { return new T(owner); };
  }
  if constexpr (!std::is_abstract_v<T> && std::derived_from<T, TCollectionItem> &&
                std::is_constructible_v<T, TCollection*>) {
    info.CreateItem = [](TCollection* collection) -> std::unique_ptr<TCollectionItem> {
      return std::make_unique<T>(collection);
    };
  }
  declaration::FinishClassInfo(info, rows);
  return info;
}

}  // namespace kel
