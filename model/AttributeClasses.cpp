#include "model/AttributeClasses.h"

#include "model/Font.h"
#include "platform/Locale.h"

namespace kel {

void RegisterAttributeClasses() {
  ApplyLocaleFontDefaults(SystemLocale());
}

}  // namespace kel
