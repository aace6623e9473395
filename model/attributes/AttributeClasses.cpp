#include "model/attributes/AttributeClasses.h"

#include "model/attributes/Font.h"
#include "platform/Locale.h"

namespace kel {

void RegisterAttributeClasses() {
  ApplyLocaleFontDefaults(SystemLocale());
}

}  // namespace kel
