// A class's properties by name, compared without regard to ASCII case: the
// nearest declaration of every name the class sees, and whether the class
// publishes it. An open-addressing table of pointers into the descriptors.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kel {

struct TPropInfo;

class TPropIndex {
 public:
  struct TEntry {
    const TPropInfo* Prop = nullptr;
    uint32_t Hash = 0;
    bool Published = false;
  };

  // Adds prop under its name, or replaces the entry of the same name.
  void Set(const TPropInfo& prop, bool published);
  // The entry of name; null when absent. Only for ASCII names of an index
  // whose names are all ASCII (see CanFind).
  const TEntry* Find(std::u16string_view name) const;
  // False when name or one of the indexed names is not ASCII: such names
  // compare with Unicode case folding, which the hash does not follow.
  bool CanFind(std::u16string_view name) const;

 private:
  size_t SlotOf(std::u16string_view name, uint32_t hash) const;
  void Grow();

  std::vector<TEntry> FSlots;  // empty, or a power of two of them
  size_t FCount = 0;
  bool FAllAscii = true;
};

}  // namespace kel
