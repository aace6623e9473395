#include "persist/Descriptors.h"

#include <stdexcept>

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

enum class TChannel { Ordinal, Float, Text, Object, Method, None };

TChannel ChannelOf(TTypeKind kind) {
  switch (kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
      return TChannel::Ordinal;
    case tkFloat:
      return TChannel::Float;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
      return TChannel::Text;
    case tkClass:
      return TChannel::Object;
    case tkMethod:
      return TChannel::Method;
    default:
      return TChannel::None;
  }
}

template <class V>
const TAccessors<V>& Accessors(const TPropInfo& prop, TChannel channel,
                               const TAccessors<V>& accessors) {
  if (ChannelOf(prop.Kind()) != channel) {
    throw EPropertyError("Property " + Utf16ToUtf8(prop.Name) + " is not of the accessed kind");
  }
  return accessors;
}

// Reading and writing go through the one accessor pair that the kind uses.
template <class V>
V GetValue(TPersistent& instance, const TPropInfo& prop, TChannel channel,
           const TAccessors<V>& accessors) {
  const auto& a = Accessors(prop, channel, accessors);
  if (!a.Get) throw EPropertyError("Property " + Utf16ToUtf8(prop.Name) + " is write-only");
  return a.Get(instance);
}

template <class V>
void SetValue(TPersistent& instance, const TPropInfo& prop, TChannel channel,
              const TAccessors<V>& accessors, const V& value) {
  const auto& a = Accessors(prop, channel, accessors);
  if (!a.Set) throw EPropertyError("Property is read-only");
  a.Set(instance, value);
}

std::string Utf8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

}  // namespace

bool TPropInfo::HasGetProc() const {
  switch (ChannelOf(Kind())) {
    case TChannel::Ordinal:
      return static_cast<bool>(Ordinal.Get);
    case TChannel::Float:
      return static_cast<bool>(Float.Get);
    case TChannel::Text:
      return static_cast<bool>(Text.Get);
    case TChannel::Object:
      return static_cast<bool>(Object.Get);
    case TChannel::Method:
      return static_cast<bool>(Method.Get);
    case TChannel::None:
      break;
  }
  return false;
}

bool TPropInfo::HasSetProc() const {
  switch (ChannelOf(Kind())) {
    case TChannel::Ordinal:
      return static_cast<bool>(Ordinal.Set);
    case TChannel::Float:
      return static_cast<bool>(Float.Set);
    case TChannel::Text:
      return static_cast<bool>(Text.Set);
    case TChannel::Object:
      return static_cast<bool>(Object.Set);
    case TChannel::Method:
      return static_cast<bool>(Method.Set);
    case TChannel::None:
      break;
  }
  return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* c = this; c != nullptr; c = c->ParentInfo) {
    if (c == &ancestor) return true;
  }
  return false;
}

const std::vector<const TPropInfo*>& ListPublishedProperties(const TClassInfo& info) {
  return info.Props;
}

const TPropInfo* GetPropInfo(const TClassInfo& info, std::u16string_view name) {
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    for (const TPropInfo& prop : c->OwnProps) {
      if (SameText(prop.Name, name)) return &prop;
    }
  }
  return nullptr;
}

bool PropertyIsStored(TPersistent& instance, const TPropInfo& prop) {
  if (prop.StoredKind == TStoredKind::Constant) return prop.StoredConstant;
  return prop.StoredProc(instance);
}

void* MethodAddress(const TClassInfo& info, std::u16string_view name) {
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    for (const TMethodEntry& method : c->Methods) {
      if (SameText(method.Name, name)) return method.Code;
    }
  }
  return nullptr;
}

std::u16string MethodName(const TClassInfo& info, void* code) {
  if (code == nullptr) return {};
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    for (const TMethodEntry& method : c->Methods) {
      if (method.Code == code) return method.Name;
    }
  }
  return {};
}

int64_t GetOrdProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TChannel::Ordinal, prop.Ordinal);
}

void SetOrdProp(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetValue(instance, prop, TChannel::Ordinal, prop.Ordinal, value);
}

double GetFloatProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TChannel::Float, prop.Float);
}

void SetFloatProp(TPersistent& instance, const TPropInfo& prop, double value) {
  SetValue(instance, prop, TChannel::Float, prop.Float, value);
}

std::u16string GetStrProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TChannel::Text, prop.Text);
}

void SetStrProp(TPersistent& instance, const TPropInfo& prop, const std::u16string& value) {
  SetValue(instance, prop, TChannel::Text, prop.Text, value);
}

int64_t GetInt64Prop(TPersistent& instance, const TPropInfo& prop) {
  return GetOrdProp(instance, prop);
}

void SetInt64Prop(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetOrdProp(instance, prop, value);
}

TMethod GetMethodProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TChannel::Method, prop.Method);
}

void SetMethodProp(TPersistent& instance, const TPropInfo& prop, const TMethod& value) {
  SetValue(instance, prop, TChannel::Method, prop.Method, value);
}

TPersistent* GetObjectProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TChannel::Object, prop.Object);
}

void SetObjectProp(TPersistent& instance, const TPropInfo& prop, TPersistent* value) {
  SetValue(instance, prop, TChannel::Object, prop.Object, value);
}

// ---------------------------------------------------------------------------
// Building descriptors.

TPropDecl& TPropDecl::NoDefault() {
  Info.Default = kNoDefault;
  DefaultGiven = true;
  return *this;
}

TPropDecl& TPropDecl::Stored(bool stored) {
  Info.StoredKind = TStoredKind::Constant;
  Info.StoredConstant = stored;
  Info.StoredProc = nullptr;
  StoredGiven = true;
  return *this;
}

TPropDecl Redeclared(std::u16string_view name) {
  TPropDecl decl;
  decl.Info.Name = name;
  decl.Redeclares = true;
  return decl;
}

namespace declaration {

void RaiseWrongClass() {
  throw EReadError(kSInvalidProperty);
}

bool IsOrdinalKind(TTypeKind kind) {
  return ChannelOf(kind) == TChannel::Ordinal;
}

void FinishClassInfo(TClassInfo& info, std::initializer_list<TPropDecl> props,
                     std::initializer_list<TMethodEntry> methods) {
  const TClassInfo* parent = info.ParentInfo;
  const std::string className = Utf8(info.ClassName);
  int slotCount = parent ? parent->PropCount : 0;
  info.OwnProps.reserve(props.size());
  for (const TPropDecl& decl : props) {
    for (const TPropInfo& earlier : info.OwnProps) {
      if (SameText(earlier.Name, decl.Info.Name)) {
        throw std::logic_error(className + " declares " + Utf8(decl.Info.Name) + " twice");
      }
    }
    const TPropInfo* inherited = parent ? GetPropInfo(*parent, decl.Info.Name) : nullptr;
    TPropInfo prop;
    if (decl.Redeclares) {
      if (inherited == nullptr) {
        throw std::logic_error(className + " redeclares " + Utf8(decl.Info.Name) +
                               ", which no ancestor has");
      }
      prop = *inherited;
      if (decl.DefaultGiven) prop.Default = decl.Info.Default;
      if (decl.StoredGiven) {
        prop.StoredKind = decl.Info.StoredKind;
        prop.StoredConstant = decl.Info.StoredConstant;
        prop.StoredProc = decl.Info.StoredProc;
      }
    } else {
      prop = decl.Info;
    }
    prop.NameIndex = static_cast<int16_t>(inherited ? inherited->NameIndex : slotCount++);
    info.OwnProps.push_back(std::move(prop));
  }
  info.PropCount = slotCount;
  info.Methods.assign(methods.begin(), methods.end());

  // Slot order: the most derived descriptor of each slot wins it.
  info.Props.assign(static_cast<size_t>(slotCount), nullptr);
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    for (const TPropInfo& prop : c->OwnProps) {
      auto& slot = info.Props[static_cast<size_t>(prop.NameIndex)];
      if (slot == nullptr) slot = &prop;
    }
  }
  while (!info.Props.empty() && info.Props.back() == nullptr) info.Props.pop_back();
}

}  // namespace declaration
}  // namespace kel
