#include "persist/Component.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/NameCompare.h"
#include "persist/PendingReferences.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"

namespace kel {

KEL_PROPERTIES(TComponent,
               Property(u"Name", &TComponent::Name, &TComponent::SetName).Stored(false),
               Property(u"Tag", &TComponent::Tag, &TComponent::SetTag).Default(0))

bool IsValidIdentifier(std::u16string_view name) {
  const auto length = static_cast<int32_t>(name.size());
  for (int32_t i = 0; i < length;) {
    const bool first = i == 0;
    UChar32 c;
    U16_NEXT(name.data(), i, length, c);
    const bool valid = c == u'_' || u_isalpha(c) || (!first && u_isdigit(c));
    if (!valid) return false;
  }
  return true;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->Insert(this);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  DestroyComponents();
  DropPendingReferences(this);
  if (FOwner != nullptr) FOwner->Remove(this);
}

void TComponent::DestroyComponents() {
  FNameIndex.reset();
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last->FOwner = nullptr;
    Notification(last.get(), opRemove);
  }
}

TComponent* TComponent::FindComponent(std::u16string_view name) const {
  if (name.empty() || FComponents.empty()) return nullptr;
  if (!FNameIndex) {
    FNameIndex = std::make_unique<TComponentNameIndex>();
    for (const auto& component : FComponents) IndexAdd(component.get());
  }
  return FNameIndex->Find(name);
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  if (component->FOwner != nullptr) {
    throw EComponentError("Component " + Utf16ToUtf8(component->FName) + " already has an owner");
  }
  Insert(component.release());
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->FOwner != this) return nullptr;
  return std::unique_ptr<TComponent>(Remove(component));
}

void TComponent::Insert(TComponent* component) {
  FComponents.emplace_back(component);
  component->FOwner = this;
  IndexAdd(component);
  Notification(component, opInsert);
}

TComponent* TComponent::Remove(TComponent* component) {
  // Searching from the back: the component removed is usually the newest.
  const auto found = std::find_if(FComponents.rbegin(), FComponents.rend(),
                                  [&](const auto& owned) { return owned.get() == component; });
  if (found == FComponents.rend()) return nullptr;
  if (!FComponentState.Contains(csDestroying)) Notification(component, opRemove);
  IndexRemove(component, component->FName);
  found->release();
  FComponents.erase(std::next(found).base());
  component->FOwner = nullptr;
  return component;
}

void TComponent::IndexAdd(TComponent* component) const {
  if (FNameIndex && !component->FName.empty()) FNameIndex->Add(component);
}

void TComponent::IndexRemove(TComponent* component, const std::u16string& name) const {
  if (FNameIndex && !name.empty()) FNameIndex->Remove(component, name);
}

void TComponent::SetSubComponent(bool isSubComponent) {
  if (isSubComponent) {
    FComponentStyle.Include(csSubComponent);
  } else {
    FComponentStyle.Exclude(csSubComponent);
  }
}

void TComponent::SetComponentName(const std::u16string& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidIdentifier(name)) {
    throw EComponentError("''" + Utf16ToUtf8(name) + "'' is not a valid component name");
  }
  if (FOwner != nullptr) {
    FOwner->CheckRename(this, FName, name);
  } else {
    CheckRename(nullptr, FName, name);
  }
  if (FOwner != nullptr) FOwner->IndexRemove(this, FName);
  FName = name;
  if (FOwner != nullptr) FOwner->IndexAdd(this);
}

void TComponent::CheckRename(TComponent* component,
                             const std::u16string& currentName,
                             const std::u16string& newName) {
  if (component != nullptr && component->FOwner == this && !SameTextAscii(currentName, newName) &&
      FindComponent(newName) != nullptr) {
    throw EComponentError("A component named " + Utf16ToUtf8(newName) + " already exists");
  }
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  // Design position: "Left" in the low half of FDesignInfo, "Top" in the high half.
  auto defineHalf = [&](std::u16string_view name, int shift) {
    const auto half = static_cast<uint16_t>(static_cast<uint32_t>(FDesignInfo) >> shift);
    filer.DefineProperty(
        name,
        [this, shift](TReader& reader) {
          const auto value = static_cast<uint32_t>(static_cast<uint16_t>(reader.ReadInteger()));
          const uint32_t keep = static_cast<uint32_t>(FDesignInfo) & ~(uint32_t{0xFFFF} << shift);
          FDesignInfo = static_cast<int32_t>(keep | (value << shift));
        },
        [half](TWriter& writer) { writer.WriteInteger(static_cast<int32_t>(half)); }, half != 0);
  };
  defineHalf(u"Left", 0);
  defineHalf(u"Top", 16);
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::SetChildPosition(TComponent*, int) {}

void TComponent::LoadState(TReader& reader) {
  reader.ReadComponentBody(*this);
}

void TComponent::SaveState(TWriter& writer) {
  writer.WriteComponentBody(*this);
}

void TComponent::LoadFinished() {
  FComponentState.Exclude(csLoading);
}

}  // namespace kel
