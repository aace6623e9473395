#include "persist/Fixups.h"

#include <utility>

#include "persist/PendingReferences.h"

namespace kel {
namespace {

// The innermost list of the readers at work on this thread; each list links
// to the one it nests in. A plain pointer, so that objects destroyed when the
// program ends never meet a destroyed thread-local.
thread_local TFixupList* tInnermost = nullptr;

}  // namespace

TFixupList::TFixupList() : FOuter(std::exchange(tInnermost, this)) {}

TFixupList::~TFixupList() {
  tInnermost = FOuter;
}

void TFixupList::Add(TPropFixup fixup) {
  FByInstance[fixup.FInstance].push_back(FItems.size());
  FItems.push_back(std::move(fixup));
}

void TFixupList::Forget(const TPersistent* instance) {
  const auto found = FByInstance.find(instance);
  if (found == FByInstance.end()) return;
  for (size_t index : found->second) FItems[index].FInstance = nullptr;
  FByInstance.erase(found);
}

void ForgetReferencesOn(const TPersistent* instance) {
  for (TFixupList* list = tInnermost; list != nullptr; list = list->FOuter) {
    list->Forget(instance);
  }
  DropPendingReferencesOn(instance);
}

}  // namespace kel
