// One more level of nested records, lists or collections for the life of a
// scope; deeper than kMaxStreamNesting, the converter's own error is raised.
#pragma once

#include "persist/BinaryToText.h"
#include "persist/ScopeRestore.h"

namespace kel {

class TNestingGuard {
 public:
  template <class RaiseTooDeep>
  TNestingGuard(int& depth, RaiseTooDeep&& raiseTooDeep) : FKeepDepth(depth) {
    if (++depth > kMaxStreamNesting) raiseTooDeep();
  }

 private:
  TScopeRestore<int> FKeepDepth;
};

}  // namespace kel
