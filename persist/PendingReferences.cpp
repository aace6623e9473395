#include "persist/PendingReferences.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "persist/Component.h"
#include "persist/Descriptors.h"

namespace kel {
namespace {

struct TGlobalFixups {
  // Re-entrant: a setter called while resolving may destroy components, which
  // drops their references from this list.
  std::recursive_mutex Lock;
  std::vector<TPropFixup> List;
  // Lets component destructors skip the lock when nothing is pending.
  std::atomic<size_t> Count{0};

  template <class Pred>
  void EraseIf(Pred pred) {
    std::lock_guard guard(Lock);
    std::erase_if(List, pred);
    Count = List.size();
  }
};

// Never destroyed: objects that outlive it at the end of the program still
// ask it for their references.
TGlobalFixups& GlobalFixups() {
  static TGlobalFixups& fixups = *new TGlobalFixups;
  return fixups;
}

struct TGlobalFinder {
  std::mutex Lock;
  TFindGlobalComponent Finder;
};

TGlobalFinder& GlobalFinder() {
  static TGlobalFinder finder;
  return finder;
}

}  // namespace

std::recursive_mutex& GlobalNameSpaceLock() {
  static std::recursive_mutex lock;
  return lock;
}

void SetFindGlobalComponent(TFindGlobalComponent finder) {
  auto& global = GlobalFinder();
  std::lock_guard guard(global.Lock);
  global.Finder = std::move(finder);
}

TComponent* FindGlobalComponent(std::u16string_view name) {
  if (name.empty()) return nullptr;
  auto& global = GlobalFinder();
  std::lock_guard guard(global.Lock);
  return global.Finder ? global.Finder(name) : nullptr;
}

std::u16string MakeUniqueGlobalName(const std::u16string& name) {
  if (FindGlobalComponent(name) == nullptr) return name;
  for (int i = 1;; ++i) {
    std::u16string candidate = name + u"_";
    for (char c : std::to_string(i)) candidate.push_back(static_cast<char16_t>(c));
    if (FindGlobalComponent(candidate) == nullptr) return candidate;
  }
}

void AddPendingReference(TPropFixup fixup) {
  auto& global = GlobalFixups();
  std::lock_guard guard(global.Lock);
  global.List.push_back(std::move(fixup));
  global.Count = global.List.size();
}

void DropPendingReference(TPersistent* instance, const TPropInfo* prop) {
  if (GlobalFixups().Count == 0) return;
  GlobalFixups().EraseIf(
      [&](const TPropFixup& f) { return f.FInstance == instance && f.FPropInfo == prop; });
}

void DropPendingReferences(TComponent* root) {
  if (GlobalFixups().Count == 0) return;
  GlobalFixups().EraseIf([&](const TPropFixup& f) { return f.FInstanceRoot == root; });
}

void DropPendingReferencesOn(const TPersistent* instance) {
  if (GlobalFixups().Count == 0) return;
  GlobalFixups().EraseIf([&](const TPropFixup& f) { return f.FInstance == instance; });
}

size_t PendingReferenceCount() {
  return GlobalFixups().Count;
}

void ResolveGlobalFixups() {
  std::lock_guard nameSpace(GlobalNameSpaceLock());
  auto& global = GlobalFixups();
  std::lock_guard guard(global.Lock);
  size_t i = 0;
  while (i < global.List.size()) {
    TPropFixup& fixup = global.List[i];
    TComponent* target = FindGlobalComponent(fixup.FRootName);
    if (target != nullptr && target->ComponentState().Contains(csReading)) {
      ++i;
      continue;
    }
    const bool settle = target != nullptr || GetObjectProp(*fixup.FInstance, *fixup.FPropInfo);
    if (!settle) {
      ++i;
      continue;
    }
    // Dropped before the setter runs, so that a setter that raises cannot make
    // a retry meet the same reference again.
    TPropFixup taken = std::move(fixup);
    global.List.erase(global.List.begin() + static_cast<std::ptrdiff_t>(i));
    global.Count = global.List.size();
    if (target != nullptr) {
      SetObjectProp(*taken.FInstance, *taken.FPropInfo, FindComponentByPath(target, taken.FName));
    }
  }
}

}  // namespace kel
