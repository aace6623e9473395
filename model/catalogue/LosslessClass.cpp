#include "model/catalogue/LosslessClass.h"

#include <array>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "persist/ClassDeclaration.h"

namespace kel {
namespace {

// A class's factories are plain functions without context, so each made
// class takes one of a fixed set of slots, whose functions know their slot.
constexpr size_t kLosslessSlots = 320;

struct TLosslessSlot {
  std::unique_ptr<TClassInfo> Info;
  TLosslessBase Base{};
  std::u16string Description;
};

struct TLosslessSlots {
  std::mutex Lock;
  std::array<TLosslessSlot, kLosslessSlots> Items;
  size_t Used = 0;
};

TLosslessSlots& Slots() {
  static TLosslessSlots slots;
  return slots;
}

template <size_t Slot>
TComponent* CreateComponentInSlot(TComponent* owner) {
  const TLosslessSlot& slot = Slots().Items[Slot];
  return slot.Base.MakeComponent(*slot.Info, owner);
}

template <size_t Slot>
std::unique_ptr<TCollectionItem> CreateItemInSlot(TCollection* collection) {
  const TLosslessSlot& slot = Slots().Items[Slot];
  return slot.Base.MakeItem(*slot.Info, collection);
}

struct TSlotFactories {
  TComponent* (*Component)(TComponent*);
  std::unique_ptr<TCollectionItem> (*Item)(TCollection*);
};

template <size_t... Slot>
constexpr std::array<TSlotFactories, sizeof...(Slot)> MakeSlotFactories(
    std::index_sequence<Slot...>) {
  return {{{&CreateComponentInSlot<Slot>, &CreateItemInSlot<Slot>}...}};
}

constexpr std::array<TSlotFactories, kLosslessSlots> kSlotFactories =
    MakeSlotFactories(std::make_index_sequence<kLosslessSlots>());

// The slot of a made class, or null.
const TLosslessSlot* SlotOf(TLosslessSlots& slots, const TClassInfo& info) {
  for (size_t i = 0; i < slots.Used; ++i) {
    if (slots.Items[i].Info.get() == &info) return &slots.Items[i];
  }
  return nullptr;
}

}  // namespace

const TClassInfo& MakeLosslessClass(std::u16string_view className,
                                    const TLosslessBase& base,
                                    std::u16string_view description) {
  TLosslessSlots& slots = Slots();
  std::lock_guard lock(slots.Lock);
  for (size_t i = 0; i < slots.Used; ++i) {
    const TLosslessSlot& made = slots.Items[i];
    if (made.Info->ClassName == className && made.Info->ParentInfo == &base.Class()) {
      return *made.Info;
    }
  }
  if (slots.Used == kLosslessSlots) throw std::length_error("too many lossless classes");
  const size_t index = slots.Used++;
  TLosslessSlot& slot = slots.Items[index];
  slot.Base = base;
  slot.Description = description;
  slot.Info = std::make_unique<TClassInfo>();
  TClassInfo& info = *slot.Info;
  info.ClassName = className;
  info.ParentInfo = &base.Class();
  if (base.MakeComponent != nullptr) info.CreateComponent = kSlotFactories[index].Component;
  if (base.MakeItem != nullptr) info.CreateItem = kSlotFactories[index].Item;
  declaration::FinishClassInfo(info, {});
  return info;
}

bool IsLosslessClass(const TClassInfo& info) {
  TLosslessSlots& slots = Slots();
  std::lock_guard lock(slots.Lock);
  return SlotOf(slots, info) != nullptr;
}

std::u16string LosslessDescription(const TClassInfo& info) {
  TLosslessSlots& slots = Slots();
  std::lock_guard lock(slots.Lock);
  const TLosslessSlot* slot = SlotOf(slots, info);
  return slot != nullptr ? slot->Description : std::u16string();
}

}  // namespace kel
