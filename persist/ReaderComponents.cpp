// Reading component records into live objects: properties through their
// descriptors, extra entries through DefineProperties, children through the
// class registry, references by name once the whole root is read.
#include <cstring>
#include <vector>

#include "persist/ClassRegistry.h"
#include "persist/Collection.h"
#include "persist/Component.h"
#include "persist/Descriptors.h"
#include "persist/Exceptions.h"
#include "persist/IntegerIdents.h"
#include "persist/NameCompare.h"
#include "persist/NestingGuard.h"
#include "persist/PendingReferences.h"
#include "persist/Reader.h"
#include "persist/ScopeRestore.h"
#include "persist/StreamMessages.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

[[noreturn]] void InvalidValue() {
  throw EReadError(kSInvalidProperty);
}

// Destroys a component this read created, through its owner when it has one.
void DestroyCreated(TComponent* component) {
  if (TComponent* owner = component->Owner()) {
    owner->RemoveComponent(component).reset();
  } else {
    delete component;
  }
}

std::vector<TComponent*> SubComponents(TComponent& component) {
  std::vector<TComponent*> subs;
  for (int i = 0; i < component.ComponentCount(); ++i) {
    TComponent* owned = component.Components(i);
    if (owned->ComponentStyle().Contains(csSubComponent)) subs.push_back(owned);
  }
  return subs;
}

// How messages name an object: a component by its name, anything else (or
// an unnamed component) by its class.
const std::u16string& ObjectName(const TPersistent& instance) {
  const auto* component = dynamic_cast<const TComponent*>(&instance);
  return component != nullptr && !component->Name().empty() ? component->Name()
                                                            : instance.ClassName();
}

int32_t ReadLength(TReader& reader) {
  uint8_t bytes[4];
  reader.Read(bytes, 4);
  return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 |
                              uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24);
}

}  // namespace

TComponent& TReader::ReadRootComponent(TComponent& root) {
  ReadSignature();
  std::lock_guard nameSpace(GlobalNameSpaceLock());
  TFilerFlags flags;
  int32_t childPos;
  ReadPrefix(flags, childPos);
  ReadStr();  // the root's class is not checked against the record
  ReadRootRecord(root);
  return root;
}

std::unique_ptr<TComponent> TReader::ReadRootComponent() {
  ReadSignature();
  std::lock_guard nameSpace(GlobalNameSpaceLock());
  TFilerFlags flags;
  int32_t childPos;
  ReadPrefix(flags, childPos);
  const std::u16string className = ReadStr();
  const TClassInfo& rootClass = FindRegisteredClass(className);
  if (!rootClass.InheritsFrom(TComponent::StaticClassInfo()) ||
      rootClass.CreateComponent == nullptr) {
    throw EClassNotFound(ClassNotFoundText(className));
  }
  std::unique_ptr<TComponent> root(rootClass.CreateComponent(nullptr));
  try {
    ReadRootRecord(*root);
  } catch (...) {
    // The root is destroyed on the way out; nothing may point at it.
    FRoot = FLookupRoot = FOwner = FParent = nullptr;
    throw;
  }
  return root;
}

void TReader::ReadRootRecord(TComponent& root) {
  try {
    root.IncludeState(csLoading);
    root.IncludeState(csReading);
    root.SetName(MakeUniqueGlobalName(ReadStr()));
    FRoot = &root;
    FLookupRoot = &root;
    std::vector<TComponent*> loaded{&root};
    {
      TScopeRestore<std::vector<TComponent*>*> keepLoaded(FLoaded);
      FLoaded = &loaded;
      FOwner = &root;
      root.LoadState(*this);
    }
    root.ExcludeState(csReading);
    for (TComponent* component : loaded) component->LoadFinished();
    for (;;) {
      try {
        ResolveGlobalFixups();
        break;
      } catch (const Exception& e) {
        if (!SkipAfterError(e.Message(), e.Message())) throw;
      }
    }
  } catch (...) {
    DropPendingReferences(&root);
    throw;
  }
}

void TReader::ReadComponentBody(TComponent& component) {
  const TNestingGuard guard(FComponentDepth, [] { throw EReadError(kSNestingTooDeep); });
  const bool outermost = FFixups == nullptr;
  if (outermost) FFixups = std::make_unique<TFixupList>();
  struct TDropFixups {
    TReader& Reader;
    bool Outermost;
    ~TDropFixups() {
      if (Outermost) Reader.FFixups.reset();
    }
  } dropFixups{*this, outermost};

  while (!EndOfList()) ReadPropertyEntry(component);
  ReadListEnd();
  {
    TScopeRestore<TComponent*> keepParent(FParent);
    TScopeRestore<TComponent*> keepOwner(FOwner);
    FParent = component.ChildParent();
    FOwner = component.ChildOwner();
    if (FOwner == nullptr) FOwner = FRoot;
    while (!EndOfList()) ReadComponent(nullptr);
    ReadListEnd();
  }
  if (outermost) ResolveLocalFixups();
}

TComponent* TReader::ReadComponent(TComponent* component) {
  TFilerFlags flags;
  int32_t childPos;
  ReadPrefix(flags, childPos);
  const std::u16string className = ReadStr();
  const std::u16string name = ReadStr();
  TScopeRestore<TComponent*> keepParent(FParent);
  TScopeRestore<TComponent*> keepLookupRoot(FLookupRoot);

  TComponent* result = component;
  const bool created = component == nullptr;
  std::vector<TComponent*> subs;
  try {
    if (created) {
      result = CreateChild(className);
      result->IncludeState(csLoading);
    }
    subs = SubComponents(*result);
    result->IncludeState(csLoading);
    for (TComponent* sub : subs) sub->IncludeState(csLoading);
    result->SetParentComponent(FParent);
    NameComponent(*result, name);
  } catch (const Exception& e) {
    if (created && result != nullptr) DestroyCreated(result);
    SkipComponentRecord(false);
    if (SkipAfterError(e.Message(), SkippedRecordText(name, e.Message()))) return nullptr;
    throw;
  }

  try {
    result->IncludeState(csReading);
    for (TComponent* sub : subs) sub->IncludeState(csReading);
    result->LoadState(*this);
    result->ExcludeState(csReading);
    for (TComponent* sub : subs) sub->ExcludeState(csReading);
  } catch (...) {
    if (created) {
      DestroyCreated(result);
    } else {
      result->ExcludeState(csReading);
    }
    throw;
  }

  if (FLoaded != nullptr) {
    FLoaded->insert(FLoaded->end(), subs.begin(), subs.end());
    FLoaded->push_back(result);
  }
  return result;
}

const TClassInfo& TReader::ResolveComponentClass(const std::u16string& className) {
  const TClassInfo* componentClass = GetClass(className);
  if (OnFindComponentClass) OnFindComponentClass(*this, className, componentClass);
  if (componentClass == nullptr || !componentClass->InheritsFrom(TComponent::StaticClassInfo())) {
    throw EClassNotFound(ClassNotFoundText(className));
  }
  return *componentClass;
}

TComponent* TReader::CreateChild(const std::u16string& className) {
  const TClassInfo& componentClass = ResolveComponentClass(className);
  TComponent* component = nullptr;
  if (OnCreateComponent) OnCreateComponent(*this, componentClass, component);
  if (component != nullptr) return component;
  // An abstract class cannot be read: there is nothing to construct.
  if (componentClass.CreateComponent == nullptr) {
    throw EClassNotFound(ClassNotFoundText(className));
  }
  return componentClass.CreateComponent(FOwner);
}

void TReader::ReadPropertyEntry(TPersistent& instance) {
  const std::u16string path = ReadStr();
  // An entry read from inside a definer's read procedure (a nested item list)
  // must not leave the definer's errors routable once it is done.
  TScopeRestore<bool> keepCanHandle(FCanHandleExcepts);
  FCanHandleExcepts = true;
  try {
    ReadPropertyPath(instance, path);
  } catch (const Exception& e) {
    EReadError wrapped(ErrorReadingText(ObjectName(instance), path, e.Message()));
    if (FCanHandleExcepts && SkipAfterError(wrapped.Message(), wrapped.Message())) return;
    throw wrapped;
  }
}

void TReader::ReadPropertyPath(TPersistent& instance, const std::u16string& path) {
  TPersistent* current = &instance;
  size_t start = 0;
  for (size_t dot = path.find(u'.'); dot != std::u16string::npos;
       start = dot + 1, dot = path.find(u'.', start)) {
    const std::u16string_view segment(path.data() + start, dot - start);
    const TPropInfo* prop = GetPropInfo(current->ClassInfo(), segment);
    if (prop == nullptr) {
      HandOverToDefiner(*current, path);
      return;
    }
    TPersistent* next =
        prop->Kind() == tkClass && prop->HasGetProc() ? GetObjectProp(*current, *prop) : nullptr;
    if (next == nullptr) {
      SkipValue();
      throw EReadError("Invalid property path");
    }
    current = next;
  }
  const std::u16string_view name = std::u16string_view(path).substr(start);
  if (const TPropInfo* prop = GetPropInfo(current->ClassInfo(), name)) {
    ReadPropertyValue(*current, *prop);
  } else {
    HandOverToDefiner(*current, std::u16string(name));
  }
}

void TReader::HandOverToDefiner(TPersistent& instance, const std::u16string& name) {
  FPropName = name;
  // Errors inside a definer's read procedure are not offered to the error
  // route: the definer may have consumed any part of the value.
  FCanHandleExcepts = false;
  instance.DefineProperties(*this);
  FCanHandleExcepts = true;
  if (!FPropName.empty()) {
    SkipValue();
    throw EReadError("Property " + Utf16ToUtf8(FPropName) + " does not exist");
  }
}

void TReader::ReadPropertyValue(TPersistent& instance, const TPropInfo& prop) {
  if (!prop.HasSetProc()) {
    auto* held = prop.Kind() == tkClass && prop.HasGetProc()
                     ? dynamic_cast<TComponent*>(GetObjectProp(instance, prop))
                     : nullptr;
    if (held == nullptr || !held->ComponentStyle().Contains(csSubComponent)) {
      throw EReadError("Property is read-only");
    }
  }
  const TTypeInfo& type = *prop.PropType;
  switch (prop.Kind()) {
    case tkInteger:
      if (NextValue() == vaIdent) {
        const std::u16string ident = ReadIdent();
        const TIdentToInt toInt = FindIdentToInt(type);
        const std::optional<int32_t> value = toInt ? toInt(ident) : std::nullopt;
        if (!value) InvalidValue();
        SetOrdProp(instance, prop, *value);
      } else {
        SetOrdProp(instance, prop, ReadInteger());
      }
      break;
    case tkChar:
    case tkWChar:
      SetOrdProp(instance, prop, ReadChar());
      break;
    case tkEnumeration: {
      const int ordinal = GetEnumValue(type, ReadIdent());
      if (ordinal < 0) InvalidValue();
      SetOrdProp(instance, prop, ordinal);
      break;
    }
    case tkFloat:
      SetFloatProp(instance, prop, ReadFloat());
      break;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
      SetStrProp(instance, prop, ReadString());
      break;
    case tkSet:
      SetOrdProp(instance, prop, ReadSetValue(GetSetElementNames(type)));
      break;
    case tkClass: {
      const TValueType next = NextValue();
      if (next == vaNil) {
        ReadValue();
        SetObjectProp(instance, prop, nullptr);
      } else if (next == vaCollection) {
        auto* collection = dynamic_cast<TCollection*>(GetObjectProp(instance, prop));
        if (collection == nullptr) {
          SkipValue();
          InvalidValue();
        }
        ReadValue();
        ReadCollection(*collection);
      } else {
        const std::u16string name = ReadIdent();
        // Without a root there is nothing to resolve the name against.
        if (FFixups == nullptr || FRoot == nullptr) InvalidValue();
        FFixups->Add({&instance, FRoot, &prop, {}, name});
      }
      break;
    }
    case tkMethod:
      if (NextValue() == vaNil) {
        ReadValue();
        SetMethodProp(instance, prop, {});
      } else {
        const std::u16string name = ReadIdent();
        if (FRoot == nullptr) InvalidValue();
        if (void* address = LookupMethod(FRoot, name)) {
          SetMethodProp(instance, prop, {address, FRoot});
        }
      }
      break;
    case tkInt64:
      SetInt64Prop(instance, prop, ReadInt64());
      break;
    default:
      break;
  }
}

void TReader::ReadCollection(TCollection& collection) {
  collection.BeginUpdate();
  struct TEndUpdate {
    TCollection& Collection;
    ~TEndUpdate() { Collection.EndUpdate(); }
  } endUpdate{collection};
  // References read into the items about to be destroyed go with them.
  if (!EndOfList()) collection.Clear();
  while (!EndOfList()) {
    const TValueType next = NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
    TCollectionItem* item = collection.Add();
    ReadListBegin();
    while (!EndOfList()) ReadPropertyEntry(*item);
    ReadListEnd();
  }
  ReadListEnd();
}

void TReader::DefineProperty(std::u16string_view name,
                             const TReaderProc& readData,
                             const TWriterProc&,
                             bool) {
  if (!readData || FPropName.empty() || !SameTextAscii(name, FPropName)) return;
  readData(*this);
  FPropName.clear();
}

void TReader::DefineBinaryProperty(std::u16string_view name,
                                   const TStreamProc& readData,
                                   const TStreamProc&,
                                   bool) {
  if (!readData || FPropName.empty() || !SameTextAscii(name, FPropName)) return;
  if (NextValue() != vaBinary) {
    SkipValue();
    FCanHandleExcepts = true;
    InvalidValue();
  }
  ReadValue();
  const int32_t size = ReadLength(*this);
  if (size < 0) {
    FCanHandleExcepts = true;
    InvalidValue();
  }
  // Room for the whole entry at once when the data hold it; otherwise the
  // memory grows as the bytes arrive, so that a length larger than the data
  // allocates no more than the data that is really there before the read
  // fails.
  FBinaryData.Clear();
  if (size <= BytesAvailable()) FBinaryData.Reserve(size);
  ReadInto(FBinaryData, size);
  FBinaryData.SetPosition(0);
  FCanHandleExcepts = true;
  readData(FBinaryData);
  FPropName.clear();
}

bool TReader::ReportError(const std::string& message) {
  bool handled = false;
  if (OnError) OnError(*this, message, handled);
  return handled;
}

void TReader::ReportDropped(const std::string& description) {
  if (OnDropped) OnDropped(*this, description);
}

bool TReader::SkipAfterError(const std::string& message, const std::string& description) {
  if (!ReportError(message)) return false;
  ReportDropped(description);
  return true;
}

void* TReader::LookupMethod(TComponent* root, const std::u16string& name) {
  void* address = root != nullptr ? MethodAddress(root->ClassInfo(), name) : nullptr;
  bool error = address == nullptr;
  if (OnFindMethod) OnFindMethod(*this, name, address, error);
  if (error) InvalidValue();
  return address;
}

void TReader::NameComponent(TComponent& component, const std::u16string& name) {
  std::u16string newName = name;
  if (OnSetName) OnSetName(*this, component, newName);
  component.SetName(newName);
}

std::u16string TReader::MapReferenceName(const std::u16string& name) {
  std::u16string mapped = name;
  if (OnReferenceName) OnReferenceName(*this, mapped);
  return mapped;
}

void TReader::ResolveLocalFixups() {
  for (TPropFixup& fixup : FFixups->Items()) {
    if (fixup.FInstance == nullptr) continue;  // its object was destroyed while reading
    const std::u16string name = MapReferenceName(fixup.FName);
    TComponent* component = FindComponentByPath(fixup.FInstanceRoot, name);
    if (component == nullptr && OnFindComponentInstance) {
      OnFindComponentInstance(*this, name, component);
    }
    DropPendingReference(fixup.FInstance, fixup.FPropInfo);
    const size_t dot = name.find(u'.');
    if (component != nullptr || dot == std::u16string::npos) {
      // A reference to a component of the wrong class is refused by the
      // setter; like other bad values it goes to the error route.
      const std::u16string& objectName = ObjectName(*fixup.FInstance);
      try {
        SetObjectProp(*fixup.FInstance, *fixup.FPropInfo, component);
        // An unresolved plain name clears the property without an error, but
        // the reference it held is gone.
        if (component == nullptr) {
          ReportDropped(
              ErrorReadingText(objectName, fixup.FPropInfo->Name, UnresolvedReferenceText(name)));
        }
      } catch (const Exception& e) {
        const std::string description =
            ErrorReadingText(objectName, fixup.FPropInfo->Name, e.Message());
        if (!SkipAfterError(e.Message(), description)) throw;
      }
    } else {
      AddPendingReference({fixup.FInstance, fixup.FInstanceRoot, fixup.FPropInfo,
                           name.substr(0, dot), name.substr(dot + 1)});
    }
  }
}

TComponent* FindComponentByPath(TComponent* root, std::u16string_view path) {
  if (path.empty()) return nullptr;
  TComponent* current = root;
  size_t i = 0;
  while (current != nullptr && i < path.size()) {
    const size_t start = i;
    while (i < path.size() && path[i] != u'.' && path[i] != u'-') ++i;
    const std::u16string_view segment = path.substr(start, i - start);
    if (i < path.size() && path[i] == u'.') ++i;
    if (i < path.size() && path[i] == u'-') ++i;
    if (i < path.size() && path[i] == u'>') ++i;
    TComponent* found = current->FindComponent(segment);
    if (found == nullptr && SameTextAscii(segment, u"Owner")) found = current;
    current = found;
  }
  return current;
}

}  // namespace kel
