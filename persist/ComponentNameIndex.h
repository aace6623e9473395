// The owned components of one component by name, compared without regard to
// ASCII case. Open addressing over (hash, component) slots: a lookup reads one
// run of adjacent slots and touches a component only when its hash matches,
// so that finding names among very many components stays cheap.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kel {

class TComponent;

class TComponentNameIndex {
 public:
  // The component named name; null when there is none.
  TComponent* Find(std::u16string_view name) const;
  // Adds a component under its current, non-empty name.
  void Add(TComponent* component);
  // Removes a component that was added under name.
  void Remove(TComponent* component, std::u16string_view name);

 private:
  struct Slot {
    uint64_t Hash = 0;
    TComponent* Component = nullptr;
  };
  static uint64_t Hash(std::u16string_view name);
  void Place(Slot slot);
  void Grow();

  std::vector<Slot> FSlots;  // size 0 or a power of two, at most half full
  size_t FCount = 0;
};

}  // namespace kel
