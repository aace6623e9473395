#include "model/attributes/FilterItems.h"

#include "persist/Exceptions.h"

namespace kel {

KEL_PROPERTIES(TFilterItems)

void TFilterItems::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TFilterItems*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < other->Count(); ++i) {
      const TClassInfo& itemClass = other->Items(i)->ClassInfo();
      if (itemClass.CreateItem == nullptr) throw EListError(kSInvalidProperty);
      InsertItem(itemClass.CreateItem(this))->Assign(other->Items(i));
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace kel
