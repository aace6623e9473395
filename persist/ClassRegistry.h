// The process-wide table from class names (compared without regard to ASCII
// case) to persistent classes, consulted by the reader to create children.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "persist/Descriptors.h"

namespace kel {

// Registers the class and its ancestors up to the first one already
// registered (TPersistent at the latest). Registering a different class under
// a taken name raises EFilerError "A class named %s already exists" and
// registers nothing.
void RegisterClass(const TClassInfo& info);
void RegisterClasses(std::initializer_list<const TClassInfo*> classes);
// Removes the class's name (not its ancestors').
void UnRegisterClass(const TClassInfo& info);
void UnRegisterClasses(std::initializer_list<const TClassInfo*> classes);
// The class registered under name, or null.
const TClassInfo* GetClass(std::u16string_view name);
// The class registered under name; raises EClassNotFound "Class %s not found".
const TClassInfo& FindRegisteredClass(std::u16string_view name);
// Every registered class, ordered by name.
std::vector<const TClassInfo*> RegisteredClasses();

template <class T>
void RegisterClass() {
  RegisterClass(T::StaticClassInfo());
}

// Registers a module's classes for its lifetime: construct it at start-up,
// destroy it at shutdown.
class TClassRegistration {
 public:
  explicit TClassRegistration(std::initializer_list<const TClassInfo*> classes);
  ~TClassRegistration();
  TClassRegistration(const TClassRegistration&) = delete;
  TClassRegistration& operator=(const TClassRegistration&) = delete;

 private:
  std::vector<const TClassInfo*> FClasses;
};

}  // namespace kel
