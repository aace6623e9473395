#include "persist/Descriptors.h"

#include <stdexcept>

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

template <class V>
const TAccessors<V>& Accessors(const TPropInfo& prop, TPropChannel channel,
                               const TAccessors<V>& accessors) {
  if (ChannelOf(prop.Kind()) != channel) {
    throw EPropertyError("Property " + Utf16ToUtf8(prop.Name) + " is not of the accessed kind");
  }
  return accessors;
}

// Reading and writing go through the one accessor pair that the kind uses.
template <class V>
V GetValue(TPersistent& instance, const TPropInfo& prop, TPropChannel channel,
           const TAccessors<V>& accessors) {
  const auto& a = Accessors(prop, channel, accessors);
  if (!a.Get) throw EPropertyError("Property " + Utf16ToUtf8(prop.Name) + " is write-only");
  return a.Get(instance);
}

template <class V>
void SetValue(TPersistent& instance, const TPropInfo& prop, TPropChannel channel,
              const TAccessors<V>& accessors, const V& value) {
  const auto& a = Accessors(prop, channel, accessors);
  if (!a.Set) throw EPropertyError("Property is read-only");
  a.Set(instance, value);
}

std::string Utf8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

}  // namespace

TPropChannel ChannelOf(TTypeKind kind) {
  switch (kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
      return TPropChannel::Ordinal;
    case tkFloat:
      return TPropChannel::Float;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
      return TPropChannel::Text;
    case tkClass:
      return TPropChannel::Object;
    case tkMethod:
      return TPropChannel::Method;
    default:
      return TPropChannel::None;
  }
}

bool TPropInfo::HasGetProc() const {
  switch (ChannelOf(Kind())) {
    case TPropChannel::Ordinal:
      return static_cast<bool>(Ordinal.Get);
    case TPropChannel::Float:
      return static_cast<bool>(Float.Get);
    case TPropChannel::Text:
      return static_cast<bool>(Text.Get);
    case TPropChannel::Object:
      return static_cast<bool>(Object.Get);
    case TPropChannel::Method:
      return static_cast<bool>(Method.Get);
    case TPropChannel::None:
      break;
  }
  return false;
}

bool TPropInfo::HasSetProc() const {
  switch (ChannelOf(Kind())) {
    case TPropChannel::Ordinal:
      return static_cast<bool>(Ordinal.Set);
    case TPropChannel::Float:
      return static_cast<bool>(Float.Set);
    case TPropChannel::Text:
      return static_cast<bool>(Text.Set);
    case TPropChannel::Object:
      return static_cast<bool>(Object.Set);
    case TPropChannel::Method:
      return static_cast<bool>(Method.Set);
    case TPropChannel::None:
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
  return prop.StoredProc(instance, prop);
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
  return GetValue(instance, prop, TPropChannel::Ordinal, prop.Ordinal);
}

void SetOrdProp(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetValue(instance, prop, TPropChannel::Ordinal, prop.Ordinal, value);
}

double GetFloatProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TPropChannel::Float, prop.Float);
}

void SetFloatProp(TPersistent& instance, const TPropInfo& prop, double value) {
  SetValue(instance, prop, TPropChannel::Float, prop.Float, value);
}

std::u16string GetStrProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TPropChannel::Text, prop.Text);
}

void SetStrProp(TPersistent& instance, const TPropInfo& prop, const std::u16string& value) {
  SetValue(instance, prop, TPropChannel::Text, prop.Text, value);
}

int64_t GetInt64Prop(TPersistent& instance, const TPropInfo& prop) {
  return GetOrdProp(instance, prop);
}

void SetInt64Prop(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetOrdProp(instance, prop, value);
}

TMethod GetMethodProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TPropChannel::Method, prop.Method);
}

void SetMethodProp(TPersistent& instance, const TPropInfo& prop, const TMethod& value) {
  SetValue(instance, prop, TPropChannel::Method, prop.Method, value);
}

TPersistent* GetObjectProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue(instance, prop, TPropChannel::Object, prop.Object);
}

void SetObjectProp(TPersistent& instance, const TPropInfo& prop, TPersistent* value) {
  SetValue(instance, prop, TPropChannel::Object, prop.Object, value);
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

TPropDecl Declared(TPropDecl row) {
  row.Publishes = false;
  return row;
}

TPropDecl Redeclared(std::u16string_view name) {
  TPropDecl decl;
  decl.Info.Name = name;
  decl.Republishes = true;
  return decl;
}

TPublishedNames Published(std::initializer_list<std::u16string_view> names) {
  return {std::vector<std::u16string_view>(names)};
}

namespace declaration {

void RaiseWrongClass() {
  throw EReadError(kSInvalidProperty);
}

bool IsOrdinalKind(TTypeKind kind) {
  return ChannelOf(kind) == TPropChannel::Ordinal;
}

void CheckOrdinalDefaultGiven(std::u16string_view className, const TPropDecl& row) {
  if (!row.Republishes && !row.DefaultGiven && IsOrdinalKind(row.Info.Kind())) {
    throw std::logic_error(Utf8(className) + "." + Utf8(row.Info.Name) +
                           " is ordinal and says neither Default nor NoDefault");
  }
}

namespace {

// Builds one class's descriptor: first the rows it declares for descendants,
// so that its published names can refer to them wherever they stand, then the
// published rows in order.
class TTableBuilder {
 public:
  TTableBuilder(TClassInfo& info, std::initializer_list<TTableRow> rows)
      : FInfo(info), FParent(info.ParentInfo), FClassName(Utf8(info.ClassName)), FRows(rows) {}

  void Build() {
    FSlotCount = FParent ? FParent->PropCount : 0;
    size_t published = 0;
    for (const TTableRow& row : FRows) {
      if (const auto* decl = std::get_if<TPropDecl>(&row.Content)) {
        if (decl->Publishes) {
          ++published;
        } else {
          ++FDeclaredCount;
        }
      } else if (const auto* names = std::get_if<TPublishedNames>(&row.Content)) {
        published += names->Names.size();
      }
    }
    // Published names resolve to these while OwnProps grows; neither moves.
    FInfo.DeclaredProps.reserve(FDeclaredCount);
    FInfo.OwnProps.reserve(published);
    for (const TTableRow& row : FRows) {
      const auto* decl = std::get_if<TPropDecl>(&row.Content);
      if (decl != nullptr && !decl->Publishes) {
        RefuseTwice(FInfo.DeclaredProps, decl->Info.Name);
        FInfo.DeclaredProps.push_back(NewRow(*decl));
      }
    }
    for (const TTableRow& row : FRows) {
      if (const auto* decl = std::get_if<TPropDecl>(&row.Content)) {
        if (decl->Publishes && decl->Republishes) {
          Publish(Republished(*decl));
        } else if (decl->Publishes) {
          RefuseTwice(FInfo.DeclaredProps, decl->Info.Name);
          Publish(NewRow(*decl));
        }
      } else if (const auto* names = std::get_if<TPublishedNames>(&row.Content)) {
        for (const std::u16string_view name : names->Names) Publish(Republished(Redeclared(name)));
      } else {
        FInfo.Methods.push_back(std::get<TMethodEntry>(row.Content));
      }
    }
    FInfo.PropCount = FSlotCount;
    ListSlots();
  }

 private:
  TPropInfo NewRow(const TPropDecl& decl) {
    if constexpr (kOrdinalRowsNameTheirDefault) CheckOrdinalDefaultGiven(FInfo.ClassName, decl);
    TPropInfo prop = decl.Info;
    CheckRememberedDefault(decl, prop);
    return prop;
  }

  TPropInfo Republished(const TPropDecl& decl) {
    const TPropInfo* declaration = FindDeclaration(decl.Info.Name);
    if (declaration == nullptr) {
      throw std::logic_error(FClassName + " publishes " + Utf8(decl.Info.Name) +
                             ", which neither it nor an ancestor declares");
    }
    TPropInfo prop = *declaration;
    if (decl.DefaultGiven) prop.Default = decl.Info.Default;
    if (decl.StoredGiven) {
      prop.StoredKind = decl.Info.StoredKind;
      prop.StoredConstant = decl.Info.StoredConstant;
      prop.StoredProc = decl.Info.StoredProc;
    }
    CheckRememberedDefault(decl, prop);
    return prop;
  }

  // The nearest declaration of name: this class's declared rows, then each
  // ancestor's published and declared rows.
  const TPropInfo* FindDeclaration(std::u16string_view name) const {
    if (const TPropInfo* own = FindIn(FInfo.DeclaredProps, name)) return own;
    for (const TClassInfo* c = FParent; c != nullptr; c = c->ParentInfo) {
      if (const TPropInfo* published = FindIn(c->OwnProps, name)) return published;
      if (const TPropInfo* declared = FindIn(c->DeclaredProps, name)) return declared;
    }
    return nullptr;
  }

  static const TPropInfo* FindIn(const std::vector<TPropInfo>& props, std::u16string_view name) {
    for (const TPropInfo& prop : props) {
      if (SameText(prop.Name, name)) return &prop;
    }
    return nullptr;
  }

  void CheckRememberedDefault(const TPropDecl& decl, const TPropInfo& prop) const {
    if (decl.RememberedDefaultChannel != TPropChannel::None &&
        decl.RememberedDefaultChannel != ChannelOf(prop.Kind())) {
      throw std::logic_error(FClassName + "." + Utf8(prop.Name) +
                             " remembers a default of another kind than its value");
    }
  }

  void RefuseTwice(const std::vector<TPropInfo>& rows, std::u16string_view name) const {
    if (FindIn(rows, name) != nullptr) {
      throw std::logic_error(FClassName + " names " + Utf8(name) + " twice");
    }
  }

  void Publish(TPropInfo prop) {
    RefuseTwice(FInfo.OwnProps, prop.Name);
    const TPropInfo* inherited = FParent ? GetPropInfo(*FParent, prop.Name) : nullptr;
    prop.NameIndex = static_cast<int16_t>(inherited ? inherited->NameIndex : FSlotCount++);
    FInfo.OwnProps.push_back(std::move(prop));
  }

  // The parent's slots, each taken over by this class's descriptor when it
  // republishes the property, then the new ones.
  void ListSlots() {
    if (FParent != nullptr) FInfo.Props = FParent->Props;
    FInfo.Props.resize(static_cast<size_t>(FSlotCount));
    for (const TPropInfo& prop : FInfo.OwnProps) {
      FInfo.Props[static_cast<size_t>(prop.NameIndex)] = &prop;
    }
  }

  TClassInfo& FInfo;
  const TClassInfo* FParent;
  const std::string FClassName;
  std::initializer_list<TTableRow> FRows;
  size_t FDeclaredCount = 0;
  int FSlotCount = 0;
};

}  // namespace

void FinishClassInfo(TClassInfo& info, std::initializer_list<TTableRow> rows) {
  TTableBuilder(info, rows).Build();
}

}  // namespace declaration
}  // namespace kel
