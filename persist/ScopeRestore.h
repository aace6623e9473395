// Puts a variable back to its earlier value when a scope ends, also when an
// exception passes: the reader's and writer's state around nested records.
#pragma once

#include <utility>

namespace kel {

template <class T>
class TScopeRestore {
 public:
  explicit TScopeRestore(T& variable) : FVariable(variable), FSaved(variable) {}
  ~TScopeRestore() { FVariable = std::move(FSaved); }
  TScopeRestore(const TScopeRestore&) = delete;
  TScopeRestore& operator=(const TScopeRestore&) = delete;

 private:
  T& FVariable;
  T FSaved;
};

}  // namespace kel
