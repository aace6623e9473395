#include "persist/ClassRegistry.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <unordered_map>

#include "persist/Exceptions.h"
#include "persist/Persistent.h"
#include "persist/StreamMessages.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

struct TRegistry {
  std::mutex Lock;
  // Keyed by the ASCII upper-case name.
  std::unordered_map<std::u16string, const TClassInfo*> Classes;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& info) {
  auto& registry = Registry();
  std::lock_guard guard(registry.Lock);
  // Collect first, so that a clash anywhere up the chain registers nothing.
  std::vector<const TClassInfo*> pending;
  for (const TClassInfo* c = &info; c != nullptr; c = c->ParentInfo) {
    const auto found = registry.Classes.find(AsciiUpperCase(c->ClassName));
    if (found != registry.Classes.end()) {
      if (found->second != c) {
        throw EFilerError("A class named " + Utf16ToUtf8(c->ClassName) + " already exists");
      }
      break;
    }
    pending.push_back(c);
    if (c == &TPersistent::StaticClassInfo()) break;
  }
  for (const TClassInfo* c : pending) registry.Classes.emplace(AsciiUpperCase(c->ClassName), c);
}

void RegisterClasses(std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* info : classes) RegisterClass(*info);
}

void UnRegisterClass(const TClassInfo& info) {
  auto& registry = Registry();
  std::lock_guard guard(registry.Lock);
  const auto found = registry.Classes.find(AsciiUpperCase(info.ClassName));
  if (found != registry.Classes.end() && found->second == &info) registry.Classes.erase(found);
}

void UnRegisterClasses(std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* info : classes) UnRegisterClass(*info);
}

const TClassInfo* GetClass(std::u16string_view name) {
  auto& registry = Registry();
  std::lock_guard guard(registry.Lock);
  const auto found = registry.Classes.find(AsciiUpperCase(name));
  return found == registry.Classes.end() ? nullptr : found->second;
}

const TClassInfo& FindRegisteredClass(std::u16string_view name) {
  const TClassInfo* info = GetClass(name);
  if (info == nullptr) throw EClassNotFound(ClassNotFoundText(name));
  return *info;
}

std::vector<const TClassInfo*> RegisteredClasses() {
  auto& registry = Registry();
  std::lock_guard guard(registry.Lock);
  std::vector<std::pair<std::u16string, const TClassInfo*>> named(registry.Classes.begin(),
                                                                  registry.Classes.end());
  std::sort(named.begin(), named.end());
  std::vector<const TClassInfo*> classes;
  classes.reserve(named.size());
  for (const auto& entry : named) classes.push_back(entry.second);
  return classes;
}

TClassRegistration::TClassRegistration(std::initializer_list<const TClassInfo*> classes)
    : FClasses(classes) {
  size_t registered = 0;
  try {
    for (; registered < FClasses.size(); ++registered) RegisterClass(*FClasses[registered]);
  } catch (...) {
    while (registered > 0) UnRegisterClass(*FClasses[--registered]);
    throw;
  }
}

TClassRegistration::~TClassRegistration() {
  for (const TClassInfo* info : FClasses) UnRegisterClass(*info);
}

}  // namespace kel
