#include "model/axes/AxisIndexEntry.h"

#include "persist/Component.h"
#include "persist/Exceptions.h"
#include "persist/Reader.h"
#include "persist/StreamMessages.h"

namespace kel {

namespace {

constexpr const char* kArgumentOutOfRange = "Argument out of range";

}  // namespace

bool AxisIndexInRange(TReader& reader, const TPersistent& instance, int32_t index, int count) {
  if (index >= 0 && index < count) return true;
  const auto* component = dynamic_cast<const TComponent*>(&instance);
  const std::u16string& objectName =
      component != nullptr && !component->Name().empty() ? component->Name() : instance.ClassName();
  if (reader.ReportError(ErrorReadingText(objectName, reader.PropName(), kArgumentOutOfRange))) {
    return false;
  }
  throw EListError(kArgumentOutOfRange);
}

}  // namespace kel
