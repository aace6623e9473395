#include "persist/Persistent.h"

#include "persist/Exceptions.h"
#include "persist/Fixups.h"
#include "persist/Unicode.h"

namespace kel {

const TClassInfo& TPersistent::StaticClassInfo() {
  static const TClassInfo info = [] {
    TClassInfo i;
    i.ClassName = kClassName;
    return i;
  }();
  return info;
}

TPersistent::~TPersistent() {
  ForgetReferencesOn(this);
}

void TPersistent::Assign(const TPersistent* source) {
  if (source == nullptr) AssignError(nullptr);
  source->AssignTo(*this);
}

void TPersistent::DefineProperties(TFiler&) {}

void TPersistent::AssignTo(TPersistent& destination) const {
  destination.AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const {
  const std::string sourceName = source ? Utf16ToUtf8(source->ClassName()) : "nil";
  throw EConvertError("Cannot assign a " + sourceName + " to a " + Utf16ToUtf8(ClassName()));
}

}  // namespace kel
