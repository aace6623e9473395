#include "persist/PropertyIndex.h"

#include "persist/Descriptors.h"
#include "persist/NameCompare.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

// FNV-1a over the ASCII upper-case code units.
uint32_t FoldedHash(std::u16string_view name) {
  uint32_t hash = 2166136261u;
  for (const char16_t c : name) {
    hash = (hash ^ AsciiUpper(c)) * 16777619u;
  }
  return hash;
}

}  // namespace

void TPropIndex::Set(const TPropInfo& prop, bool published) {
  if ((FCount + 1) * 2 > FSlots.size()) Grow();
  FAllAscii = FAllAscii && IsAscii(prop.Name);
  const uint32_t hash = FoldedHash(prop.Name);
  TEntry& entry = FSlots[SlotOf(prop.Name, hash)];
  if (entry.Prop == nullptr) ++FCount;
  entry = {&prop, hash, published};
}

const TPropIndex::TEntry* TPropIndex::Find(std::u16string_view name) const {
  if (FSlots.empty()) return nullptr;
  const TEntry& entry = FSlots[SlotOf(name, FoldedHash(name))];
  return entry.Prop != nullptr ? &entry : nullptr;
}

bool TPropIndex::CanFind(std::u16string_view name) const {
  return FAllAscii && IsAscii(name);
}

// The slot holding name, or the free slot where it would go.
size_t TPropIndex::SlotOf(std::u16string_view name, uint32_t hash) const {
  const size_t mask = FSlots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const TEntry& entry = FSlots[i];
    if (entry.Prop == nullptr || (entry.Hash == hash && SameTextAscii(entry.Prop->Name, name))) {
      return i;
    }
  }
}

void TPropIndex::Grow() {
  std::vector<TEntry> old(FSlots.empty() ? 16 : FSlots.size() * 2);
  old.swap(FSlots);
  for (const TEntry& entry : old) {
    if (entry.Prop != nullptr) FSlots[SlotOf(entry.Prop->Name, entry.Hash)] = entry;
  }
}

}  // namespace kel
