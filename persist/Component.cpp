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

KEL_PROPERTIES(TComponent, Property(u"Name", &TComponent::Name, &TComponent::SetName).Stored(false),
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

bool TComponent::NameLess::operator()(std::u16string_view a, std::u16string_view b) const {
  return CompareTextAscii(a, b) < 0;
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
  FSortedComponents.reset();
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last->FOwner = nullptr;
    Notification(last.get(), opRemove);
  }
}

TComponent* TComponent::FindComponent(std::u16string_view name) const {
  if (name.empty() || FComponents.empty()) return nullptr;
  if (!FSortedComponents) {
    FSortedComponents = std::make_unique<TSortedComponents>();
    for (const auto& component : FComponents) SortedAdd(component.get());
  }
  const auto found = FSortedComponents->find(name);
  return found == FSortedComponents->end() ? nullptr : found->second;
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
  SortedAdd(component);
  Notification(component, opInsert);
}

TComponent* TComponent::Remove(TComponent* component) {
  // Searching from the back: the component removed is usually the newest.
  const auto found = std::find_if(FComponents.rbegin(), FComponents.rend(),
                                  [&](const auto& owned) { return owned.get() == component; });
  if (found == FComponents.rend()) return nullptr;
  if (!FComponentState.Contains(csDestroying)) Notification(component, opRemove);
  SortedRemove(component, component->FName);
  found->release();
  FComponents.erase(std::next(found).base());
  component->FOwner = nullptr;
  return component;
}

void TComponent::SortedAdd(TComponent* component) const {
  if (FSortedComponents && !component->FName.empty()) {
    FSortedComponents->emplace(component->FName, component);
  }
}

void TComponent::SortedRemove(TComponent* component, const std::u16string& name) const {
  if (!FSortedComponents || name.empty()) return;
  auto [first, last] = FSortedComponents->equal_range(name);
  for (auto it = first; it != last; ++it) {
    if (it->second == component) {
      FSortedComponents->erase(it);
      return;
    }
  }
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
  const std::u16string oldName = FName;
  FName = name;
  if (FOwner != nullptr) {
    FOwner->SortedRemove(this, oldName);
    FOwner->SortedAdd(this);
  }
}

void TComponent::CheckRename(TComponent* component, const std::u16string& currentName,
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
