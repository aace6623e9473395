#include "persist/ComponentNameIndex.h"

#include "persist/Component.h"
#include "persist/NameCompare.h"

namespace kel {

uint64_t TComponentNameIndex::Hash(std::u16string_view name) {
  // FNV-1a over the ASCII upper-case code units, then a final mix so that the
  // low bits used for the slot depend on every character.
  uint64_t hash = 14695981039346656037ull;
  for (char16_t c : name) hash = (hash ^ AsciiUpper(c)) * 1099511628211ull;
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDull;
  hash ^= hash >> 33;
  return hash;
}

TComponent* TComponentNameIndex::Find(std::u16string_view name) const {
  if (FSlots.empty()) return nullptr;
  const uint64_t hash = Hash(name);
  const size_t mask = FSlots.size() - 1;
  for (size_t i = hash & mask; FSlots[i].Component != nullptr; i = (i + 1) & mask) {
    const Slot& slot = FSlots[i];
    if (slot.Hash == hash && SameTextAscii(slot.Component->Name(), name)) return slot.Component;
  }
  return nullptr;
}

void TComponentNameIndex::Add(TComponent* component) {
  if ((FCount + 1) * 2 > FSlots.size()) Grow();
  Place({Hash(component->Name()), component});
  ++FCount;
}

void TComponentNameIndex::Place(Slot slot) {
  const size_t mask = FSlots.size() - 1;
  size_t i = slot.Hash & mask;
  while (FSlots[i].Component != nullptr) i = (i + 1) & mask;
  FSlots[i] = slot;
}

void TComponentNameIndex::Grow() {
  std::vector<Slot> old = std::move(FSlots);
  FSlots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
  for (const Slot& slot : old) {
    if (slot.Component != nullptr) Place(slot);
  }
}

void TComponentNameIndex::Remove(TComponent* component, std::u16string_view name) {
  if (FSlots.empty()) return;
  const size_t mask = FSlots.size() - 1;
  size_t hole = Hash(name) & mask;
  while (FSlots[hole].Component != component) {
    if (FSlots[hole].Component == nullptr) return;  // not indexed
    hole = (hole + 1) & mask;
  }
  // Backward shift: later slots of the run move into the hole when their home
  // slot does not lie between the hole and themselves, so no tombstones.
  for (size_t next = (hole + 1) & mask; FSlots[next].Component != nullptr;
       next = (next + 1) & mask) {
    const size_t home = FSlots[next].Hash & mask;
    const bool homeInRange =
        hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
    if (!homeInRange) {
      FSlots[hole] = FSlots[next];
      hole = next;
    }
  }
  FSlots[hole] = Slot{};
  --FCount;
}

}  // namespace kel
