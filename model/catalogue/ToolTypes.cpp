#include "model/catalogue/ToolTypes.h"

#include <algorithm>

#include "persist/ClassRegistry.h"

namespace kel {
namespace {

void AddClasses(TKelToolTypes& list, std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* info : classes) {
    if (list.Contains(*info)) continue;
    RegisterClass(*info);
    list.Add(*info);
  }
}

void RemoveClasses(TKelToolTypes& list, std::initializer_list<const TClassInfo*> classes) {
  for (const TClassInfo* info : classes) {
    list.Remove(*info);
    UnRegisterClass(*info);
  }
}

}  // namespace

int TKelToolTypes::Count() const {
  std::lock_guard lock(FLock);
  return static_cast<int>(FItems.size());
}

const TClassInfo* TKelToolTypes::Get(int index) const {
  std::lock_guard lock(FLock);
  return FItems.at(static_cast<size_t>(index));
}

bool TKelToolTypes::Contains(const TClassInfo& info) const {
  std::lock_guard lock(FLock);
  return std::find(FItems.begin(), FItems.end(), &info) != FItems.end();
}

bool TKelToolTypes::Add(const TClassInfo& info) {
  std::lock_guard lock(FLock);
  if (std::find(FItems.begin(), FItems.end(), &info) != FItems.end()) return false;
  FItems.push_back(&info);
  return true;
}

void TKelToolTypes::Remove(const TClassInfo& info) {
  std::lock_guard lock(FLock);
  std::erase(FItems, &info);
}

TKelToolTypes& ToolClassList() {
  static TKelToolTypes list;
  return list;
}

TKelToolTypes& AnimationClassList() {
  static TKelToolTypes list;
  return list;
}

void AddToolClasses(std::initializer_list<const TClassInfo*> classes) {
  AddClasses(ToolClassList(), classes);
}

void AddAnimationClasses(std::initializer_list<const TClassInfo*> classes) {
  AddClasses(AnimationClassList(), classes);
}

void RemoveToolClasses(std::initializer_list<const TClassInfo*> classes) {
  RemoveClasses(ToolClassList(), classes);
}

void RemoveAnimationClasses(std::initializer_list<const TClassInfo*> classes) {
  RemoveClasses(AnimationClassList(), classes);
}

}  // namespace kel
