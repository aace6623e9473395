// The process-wide lists of tool and animation classes, in registration
// order. Every class in them is also in the class registry.
#pragma once

#include <initializer_list>
#include <mutex>
#include <vector>

#include "persist/Descriptors.h"

namespace kel {

class TKelToolTypes {
 public:
  int Count() const;
  const TClassInfo* Get(int index) const;
  bool Contains(const TClassInfo& info) const;

  // Appends the class unless it is there already; true when appended.
  bool Add(const TClassInfo& info);
  void Remove(const TClassInfo& info);

 private:
  mutable std::mutex FLock;
  std::vector<const TClassInfo*> FItems;
};

TKelToolTypes& ToolClassList();
TKelToolTypes& AnimationClassList();

// For each class in order, when it is not in the list yet: registers it and
// appends it. A second registration is ignored.
void AddToolClasses(std::initializer_list<const TClassInfo*> classes);
void AddAnimationClasses(std::initializer_list<const TClassInfo*> classes);
// For each class: removes it from the list and from the class registry.
void RemoveToolClasses(std::initializer_list<const TClassInfo*> classes);
void RemoveAnimationClasses(std::initializer_list<const TClassInfo*> classes);

}  // namespace kel
