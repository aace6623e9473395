// Component references read by name and waiting to be set: the list a reader
// keeps while it reads a root, and the hook that takes out the references of
// an object destroyed while they wait, so that none is set on freed memory.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace kel {

class TPersistent;
class TComponent;
struct TPropInfo;

// A component reference read by name, set once the whole root is read.
struct TPropFixup {
  TPersistent* FInstance;
  TComponent* FInstanceRoot;
  const TPropInfo* FPropInfo;
  std::u16string FRootName;  // empty within the root; another root's name otherwise
  std::u16string FName;
};

// The references one reader has read and not yet set, in reading order. While
// the list lives, an object destroyed on this thread (a collection item read
// again, a sub-object set to nil) loses its references: their FInstance
// becomes null.
class TFixupList {
 public:
  TFixupList();
  ~TFixupList();
  TFixupList(const TFixupList&) = delete;
  TFixupList& operator=(const TFixupList&) = delete;

  void Add(TPropFixup fixup);
  std::vector<TPropFixup>& Items() { return FItems; }

 private:
  friend void ForgetReferencesOn(const TPersistent* instance);
  void Forget(const TPersistent* instance);

  std::vector<TPropFixup> FItems;
  // Indexes into FItems by instance, so that forgetting stays cheap when
  // many objects are destroyed while many references wait.
  std::unordered_map<const TPersistent*, std::vector<size_t>> FByInstance;
  TFixupList* FOuter;
};

// Run as any persistent object is destroyed: takes out the references waiting
// to be set on it, from the lists of the readers at work on this thread and
// from the references that wait for other roots.
void ForgetReferencesOn(const TPersistent* instance);

}  // namespace kel
