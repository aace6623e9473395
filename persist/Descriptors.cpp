#include "persist/Descriptors.h"

#include <stdexcept>

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

std::string Utf8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

// "Property <name> <complaint>", the typed access errors.
EPropertyError PropertyError(const TPropInfo& prop, const char* complaint) {
  return EPropertyError("Property " + Utf8(prop.Name) + " " + complaint);
}

template <class V>
const TAccessors<V>& AccessorsOf(const TPropInfo& prop) {
  const auto* accessors = std::get_if<TAccessors<V>>(&prop.Access);
  if (accessors == nullptr) throw PropertyError(prop, "is not of the accessed kind");
  return *accessors;
}

// Reading and writing go through the one accessor pair that the kind uses.
template <class V>
V GetValue(TPersistent& instance, const TPropInfo& prop) {
  const TAccessors<V>& a = AccessorsOf<V>(prop);
  if (a.Get == nullptr) throw PropertyError(prop, "is write-only");
  return a.Get(instance, a.Getter, prop.Index);
}

template <class V>
void SetValue(TPersistent& instance, const TPropInfo& prop, const V& value) {
  const TAccessors<V>& a = AccessorsOf<V>(prop);
  if (a.Set == nullptr) throw PropertyError(prop, "is read-only");
  a.Set(instance, a.Setter, prop.Index, value);
}

}  // namespace

bool TPropInfo::HasGetProc() const {
  return std::visit([](const auto& accessors) { return accessors.Get != nullptr; }, Access);
}

bool TPropInfo::HasSetProc() const {
  return std::visit([](const auto& accessors) { return accessors.Set != nullptr; }, Access);
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
  if (info.PropsByName.CanFind(name)) {
    const TPropIndex::TEntry* entry = info.PropsByName.Find(name);
    return entry != nullptr && entry->Published ? entry->Prop : nullptr;
  }
  // Names beyond ASCII compare with Unicode case folding, one by one.
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    for (const TPropInfo& prop : c->OwnProps) {
      if (SameText(prop.Name, name)) return &prop;
    }
  }
  return nullptr;
}

bool PropertyIsStored(TPersistent& instance, const TPropInfo& prop) {
  return prop.Stored.Proc != nullptr ? prop.Stored.Proc(instance, prop) : prop.Stored.Constant;
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
  return GetValue<int64_t>(instance, prop);
}

void SetOrdProp(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetValue<int64_t>(instance, prop, value);
}

double GetFloatProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue<double>(instance, prop);
}

void SetFloatProp(TPersistent& instance, const TPropInfo& prop, double value) {
  SetValue<double>(instance, prop, value);
}

std::u16string GetStrProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue<std::u16string>(instance, prop);
}

void SetStrProp(TPersistent& instance, const TPropInfo& prop, const std::u16string& value) {
  SetValue<std::u16string>(instance, prop, value);
}

int64_t GetInt64Prop(TPersistent& instance, const TPropInfo& prop) {
  return GetOrdProp(instance, prop);
}

void SetInt64Prop(TPersistent& instance, const TPropInfo& prop, int64_t value) {
  SetOrdProp(instance, prop, value);
}

TMethod GetMethodProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue<TMethod>(instance, prop);
}

void SetMethodProp(TPersistent& instance, const TPropInfo& prop, const TMethod& value) {
  SetValue<TMethod>(instance, prop, value);
}

TPersistent* GetObjectProp(TPersistent& instance, const TPropInfo& prop) {
  return GetValue<TPersistent*>(instance, prop);
}

void SetObjectProp(TPersistent& instance, const TPropInfo& prop, TPersistent* value) {
  SetValue<TPersistent*>(instance, prop, value);
}

// ---------------------------------------------------------------------------
// Building descriptors.

TPropDecl& TPropDecl::NoDefault() {
  Info.Default = kNoDefault;
  DefaultGiven = true;
  return *this;
}

TPropDecl& TPropDecl::Stored(bool stored) {
  Info.Stored = {stored, nullptr, {}};
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

void CheckOrdinalDefaultGiven(std::u16string_view className, const TPropDecl& row) {
  if (!row.Republishes && !row.DefaultGiven && row.Info.Channel() == TPropChannel::Ordinal) {
    throw std::logic_error(Utf8(className) + "." + Utf8(row.Info.Name) +
                           " is ordinal and says neither Default nor NoDefault");
  }
}

namespace {

// Builds one class's descriptor: first the rows it declares for descendants,
// so that its published names can refer to them wherever they stand, then the
// published rows in order. Names are found through the parent's index, which
// the class extends with its own rows.
class TTableBuilder {
 public:
  TTableBuilder(TClassInfo& info, std::initializer_list<TTableRow> rows)
      : FInfo(info), FParent(info.ParentInfo), FClassName(Utf8(info.ClassName)), FRows(rows) {}

  void Build() {
    if (FParent != nullptr) FInfo.PropsByName = FParent->PropsByName;
    FSlotCount = FParent ? FParent->PropCount : 0;
    ReserveRows();
    for (const TTableRow& row : FRows) {
      const auto* decl = std::get_if<TPropDecl>(&row.Content);
      if (decl != nullptr && !decl->Publishes) Declare(*decl);
    }
    for (const TTableRow& row : FRows) {
      if (const auto* decl = std::get_if<TPropDecl>(&row.Content)) {
        if (decl->Publishes && decl->Republishes) {
          Publish(Republished(decl->Info.Name, decl));
        } else if (decl->Publishes) {
          RefuseTwice(FDeclaredHere, FInfo.DeclaredProps, decl->Info.Name);
          Publish(NewRow(*decl));
        }
      } else if (const auto* names = std::get_if<TPublishedNames>(&row.Content)) {
        for (const std::u16string_view name : names->Names) Publish(Republished(name, nullptr));
      } else {
        FInfo.Methods.push_back(std::get<TMethodEntry>(row.Content));
      }
    }
    FInfo.PropCount = FSlotCount;
    ListSlots();
  }

 private:
  // Rows are found by pointer while the vectors grow; neither may move.
  void ReserveRows() {
    size_t declared = 0;
    size_t published = 0;
    for (const TTableRow& row : FRows) {
      if (const auto* decl = std::get_if<TPropDecl>(&row.Content)) {
        ++(decl->Publishes ? published : declared);
      } else if (const auto* names = std::get_if<TPublishedNames>(&row.Content)) {
        published += names->Names.size();
      }
    }
    FInfo.DeclaredProps.reserve(declared);
    FInfo.OwnProps.reserve(published);
  }

  void Declare(const TPropDecl& decl) {
    RefuseTwice(FDeclaredHere, FInfo.DeclaredProps, decl.Info.Name);
    if (FParent != nullptr && GetPropInfo(*FParent, decl.Info.Name) != nullptr) {
      throw std::logic_error(FClassName + " declares " + Utf8(decl.Info.Name) +
                             ", which an ancestor publishes already");
    }
    FInfo.DeclaredProps.push_back(NewRow(decl));
    const TPropInfo& prop = FInfo.DeclaredProps.back();
    FDeclaredHere.Set(prop, false);
    FInfo.PropsByName.Set(prop, false);
  }

  TPropInfo NewRow(const TPropDecl& decl) const {
    CheckOrdinalDefaultGiven(FInfo.ClassName, decl);
    CheckRememberedDefault(decl, decl.Info);
    return decl.Info;
  }

  // The nearest declaration of name, with the modifiers of changes if given.
  TPropInfo Republished(std::u16string_view name, const TPropDecl* changes) const {
    const TPropInfo* declaration = FindDeclaration(name);
    if (declaration == nullptr) {
      throw std::logic_error(FClassName + " publishes " + Utf8(name) +
                             ", which neither it nor an ancestor declares");
    }
    TPropInfo prop = *declaration;
    if (changes != nullptr) {
      if (changes->DefaultGiven) prop.Default = changes->Info.Default;
      if (changes->StoredGiven) prop.Stored = changes->Info.Stored;
      CheckRememberedDefault(*changes, prop);
    }
    return prop;
  }

  // This class's declared rows, then each ancestor's published and declared
  // rows, nearest first: what the index holds for ASCII names.
  const TPropInfo* FindDeclaration(std::u16string_view name) const {
    if (FInfo.PropsByName.CanFind(name)) {
      const TPropIndex::TEntry* entry = FInfo.PropsByName.Find(name);
      return entry != nullptr ? entry->Prop : nullptr;
    }
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
        decl.RememberedDefaultChannel != prop.Channel()) {
      throw std::logic_error(FClassName + "." + Utf8(prop.Name) +
                             " remembers a default of another kind than its value");
    }
  }

  // Raises when rows, indexed by index, already hold name.
  void RefuseTwice(const TPropIndex& index,
                   const std::vector<TPropInfo>& rows,
                   std::u16string_view name) const {
    const bool taken =
        index.CanFind(name) ? index.Find(name) != nullptr : FindIn(rows, name) != nullptr;
    if (taken) throw std::logic_error(FClassName + " names " + Utf8(name) + " twice");
  }

  void Publish(TPropInfo prop) {
    RefuseTwice(FPublishedHere, FInfo.OwnProps, prop.Name);
    const TPropInfo* inherited = FParent ? GetPropInfo(*FParent, prop.Name) : nullptr;
    prop.NameIndex = static_cast<int16_t>(inherited ? inherited->NameIndex : FSlotCount++);
    FInfo.OwnProps.push_back(std::move(prop));
    const TPropInfo& published = FInfo.OwnProps.back();
    FPublishedHere.Set(published, true);
    FInfo.PropsByName.Set(published, true);
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
  TPropIndex FDeclaredHere;
  TPropIndex FPublishedHere;
  int FSlotCount = 0;
};

}  // namespace

void FinishClassInfo(TClassInfo& info, std::initializer_list<TTableRow> rows) {
  TTableBuilder(info, rows).Build();
}

}  // namespace declaration
}  // namespace kel
