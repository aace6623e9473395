// Process-wide state of reading: references to components of other roots that
// wait for those roots, the global component names, and the lock that keeps
// concurrent reads from taking the same global names.
#pragma once

#include <functional>
#include <mutex>
#include <string_view>

#include "persist/Reader.h"

namespace kel {

// Held for the whole read of a root; re-entrant for the holder.
std::recursive_mutex& GlobalNameSpaceLock();

// Top-level components (windows) by name, compared without regard to ASCII
// case. Without a finder every name is free.
using TFindGlobalComponent = std::function<TComponent*(std::u16string_view name)>;
void SetFindGlobalComponent(TFindGlobalComponent finder);
TComponent* FindGlobalComponent(std::u16string_view name);
// name, or the first of name_1, name_2, ... that no global component has.
std::u16string MakeUniqueGlobalName(const std::u16string& name);

void AddPendingReference(TPropFixup fixup);
// Drops the references waiting to be set on this instance's property.
void DropPendingReference(TPersistent* instance, const TPropInfo* prop);
// Drops every reference read into this root; run when a read fails and when a
// component is destroyed (its own references go as any object's do).
void DropPendingReferences(TComponent* root);
// Drops every reference waiting to be set on this object, which is going.
void DropPendingReferencesOn(const TPersistent* instance);
size_t PendingReferenceCount();

}  // namespace kel
