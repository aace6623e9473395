// Writing live objects as component records: published properties through
// their descriptors, extra entries through DefineProperties, children through
// GetChildren.
#include <vector>

#include "persist/Collection.h"
#include "persist/Component.h"
#include "persist/Descriptors.h"
#include "persist/IntegerIdents.h"
#include "persist/ScopeRestore.h"
#include "persist/Writer.h"

namespace kel {
namespace {

bool IsSubComponent(const TComponent* component) {
  return component != nullptr && component->ComponentStyle().Contains(csSubComponent);
}

// A read-only class property is still walked when it holds a sub-component.
bool HoldsSubComponent(TPersistent& instance, const TPropInfo& prop) {
  return prop.Kind() == tkClass &&
         IsSubComponent(dynamic_cast<TComponent*>(GetObjectProp(instance, prop)));
}

bool IsOwnedBy(const TComponent* component, const TComponent* owner) {
  for (const TComponent* c = component->Owner(); c != nullptr; c = c->Owner()) {
    if (c == owner) return true;
  }
  return false;
}

}  // namespace

void TWriter::AssignRoot(TComponent* root) {
  FRoot = root;
  FLookupRoot = root;
}

void TWriter::WriteRootComponent(TComponent& root) {
  AssignRoot(&root);
  WriteSignature();
  WriteComponent(root);
}

void TWriter::WriteComponent(TComponent& component) {
  std::vector<TComponent*> writing{&component};
  for (const auto& owned : component.FComponents) {
    if (IsSubComponent(owned.get())) writing.push_back(owned.get());
  }
  for (TComponent* c : writing) c->IncludeState(csWriting);
  struct TClearWriting {
    std::vector<TComponent*>& Components;
    ~TClearWriting() {
      for (TComponent* c : Components) c->ExcludeState(csWriting);
    }
  } clearWriting{writing};
  component.SaveState(*this);
}

void TWriter::WriteComponentBody(TComponent& component) {
  WriteUTF8Str(component.ClassName());
  WriteUTF8Str(component.Name());
  WriteProperties(component);
  WriteListEnd();
  if (!FIgnoreChildren) {
    TScopeRestore<TComponent*> keepRoot(FRoot);
    TScopeRestore<TComponent*> keepLookupRoot(FLookupRoot);
    component.GetChildren([this](TComponent* child) { WriteComponent(*child); }, FRoot);
  }
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent& instance) {
  for (const TPropInfo* prop : ListPublishedProperties(instance.ClassInfo())) {
    if (prop == nullptr) break;
    if (PropertyIsStored(instance, *prop)) WritePropertyEntry(instance, *prop);
  }
  instance.DefineProperties(*this);
}

void TWriter::WritePropertyEntry(TPersistent& instance, const TPropInfo& prop) {
  if (HasDefaultValue(instance, prop)) return;
  const TTypeInfo& type = *prop.PropType;
  switch (prop.Kind()) {
    case tkInteger: {
      const auto value = static_cast<int32_t>(GetOrdProp(instance, prop));
      WritePropertyName(prop.Name);
      if (TIntToIdent toIdent = FindIntToIdent(type)) {
        if (auto ident = toIdent(value)) {
          WriteIdent(*ident);
          break;
        }
      }
      WriteInteger(value);
      break;
    }
    case tkChar:
    case tkWChar:
      WritePropertyName(prop.Name);
      WriteChar(static_cast<char16_t>(GetOrdProp(instance, prop)));
      break;
    case tkEnumeration:
      WritePropertyName(prop.Name);
      WriteIdent(GetEnumName(type, GetOrdProp(instance, prop)));
      break;
    case tkSet:
      WritePropertyName(prop.Name);
      WriteSetValue(GetSetElementNames(type), static_cast<uint32_t>(GetOrdProp(instance, prop)));
      break;
    case tkFloat:
      WritePropertyName(prop.Name);
      WriteFloat(GetFloatProp(instance, prop));
      break;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
      WritePropertyName(prop.Name);
      WriteString(GetStrProp(instance, prop));
      break;
    case tkInt64:
      WritePropertyName(prop.Name);
      WriteInteger(GetInt64Prop(instance, prop));
      break;
    case tkMethod:
      WritePropertyName(prop.Name);
      WriteIdent(LookupMethodName(GetMethodProp(instance, prop)));
      break;
    case tkClass: {
      // Not null here: a null value is default.
      TPersistent* value = GetObjectProp(instance, prop);
      auto* component = dynamic_cast<TComponent*>(value);
      if (component == nullptr || IsSubComponent(component)) {
        {
          TScopeRestore<std::u16string> keepPath(FPropPath);
          FPropPath += prop.Name;
          FPropPath += u'.';
          WriteProperties(*value);
        }
        if (auto* collection = dynamic_cast<TCollection*>(value)) {
          WritePropertyName(prop.Name);
          TScopeRestore<std::u16string> keepPath(FPropPath);
          FPropPath.clear();
          WriteCollection(*collection);
        }
      } else {
        const std::u16string reference = ComponentReferenceName(*component);
        if (!reference.empty()) {
          WritePropertyName(prop.Name);
          WriteIdent(reference);
        }
      }
      break;
    }
    default:
      break;
  }
}

void TWriter::WritePropertyName(std::u16string_view name) {
  std::u16string fullName = FPropPath;
  fullName += name;
  WriteUTF8Str(fullName);
}

void TWriter::WriteCollection(TCollection& collection) {
  WriteValueTag(vaCollection);
  for (int i = 0; i < collection.Count(); ++i) {
    WriteListBegin();
    WriteProperties(*collection.Items(i));
    WriteListEnd();
  }
  WriteListEnd();
}

bool TWriter::HasDefaultValue(TPersistent& instance, const TPropInfo& prop) {
  if (!prop.HasGetProc()) return true;
  if (!prop.HasSetProc() && !HoldsSubComponent(instance, prop)) return true;
  const bool hasDefault = prop.Default != kNoDefault;
  switch (prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
      return hasDefault && static_cast<int32_t>(GetOrdProp(instance, prop)) == prop.Default;
    case tkFloat:
      return hasDefault && GetFloatProp(instance, prop) == 0;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
      return hasDefault && GetStrProp(instance, prop).empty();
    case tkInt64:
      return hasDefault && GetInt64Prop(instance, prop) == static_cast<int64_t>(prop.Default);
    case tkClass: {
      TPersistent* value = GetObjectProp(instance, prop);
      if (value == nullptr) return true;
      auto* component = dynamic_cast<TComponent*>(value);
      return component != nullptr && !IsSubComponent(component) && component->Name().empty();
    }
    case tkMethod: {
      const TMethod method = GetMethodProp(instance, prop);
      return !method.Assigned() || LookupMethodName(method).empty();
    }
    default:
      return true;
  }
}

std::u16string TWriter::ComponentReferenceName(TComponent& component) const {
  TComponent* owner = component.Owner();
  if (owner == FLookupRoot) return component.Name();
  if (&component == FLookupRoot) return u"Owner";
  if (owner != nullptr && !owner->Name().empty() && !component.Name().empty()) {
    const std::u16string ownerName =
        IsOwnedBy(owner, FLookupRoot) ? ComponentReferenceName(*owner) : owner->Name();
    return ownerName + u"." + component.Name();
  }
  if (!component.Name().empty()) return component.Name() + u".Owner";
  return {};
}

std::u16string TWriter::LookupMethodName(const TMethod& method) {
  std::u16string name;
  if (OnFindMethodName) OnFindMethodName(*this, method, name);
  if (name.empty() && FLookupRoot != nullptr) {
    name = MethodName(FLookupRoot->ClassInfo(), method.Code);
  }
  return name;
}

void TWriter::DefineProperty(std::u16string_view name,
                             const TReaderProc&,
                             const TWriterProc& writeData,
                             bool hasData) {
  if (!hasData || !writeData) return;
  WritePropertyName(name);
  // Names inside the value (a collection's items) do not belong to the path.
  TScopeRestore<std::u16string> keepPath(FPropPath);
  FPropPath.clear();
  writeData(*this);
}

void TWriter::DefineBinaryProperty(std::u16string_view name,
                                   const TStreamProc&,
                                   const TStreamProc& writeData,
                                   bool hasData) {
  if (!hasData || !writeData) return;
  WritePropertyName(name);
  FBinaryData.Clear();
  writeData(FBinaryData);
  WriteBinary(FBinaryData.Memory(), FBinaryData.Size());
}

}  // namespace kel
