// The entries of a record that its object's class does not know, kept as
// they were read and written back unchanged, so that an object whose class
// is only partly modelled loses nothing of what its file held.
#pragma once

#include <string>
#include <vector>

namespace kel {

class TFiler;

class TUnknownEntries {
 public:
  // Called from the owner's DefineProperties after its class's own entries:
  // a reader offering an entry that nobody took has it kept (name and value
  // bytes); a writer gets every kept entry back, in the order read.
  void DefineProperties(TFiler& filer);

  bool Empty() const { return FEntries.empty(); }

 private:
  struct TEntry {
    std::u16string Name;
    std::string Value;  // the value's bytes in the binary stream, tag included
  };
  std::vector<TEntry> FEntries;
};

}  // namespace kel
