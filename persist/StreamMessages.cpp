#include "persist/StreamMessages.h"

#include "persist/Unicode.h"

namespace kel {

std::string ClassNotFoundText(std::u16string_view className) {
  return "Class " + Utf16ToUtf8(className) + " not found";
}

std::string ErrorReadingText(std::u16string_view objectName,
                             std::u16string_view propertyPath,
                             std::string_view cause) {
  std::string text = "Error reading " + Utf16ToUtf8(objectName) + "." + Utf16ToUtf8(propertyPath);
  text += ": ";
  text += cause;
  return text;
}

std::string SkippedRecordText(std::u16string_view objectName, std::string_view cause) {
  if (objectName.empty()) return std::string(cause);
  return "Error reading " + Utf16ToUtf8(objectName) + ": " + std::string(cause);
}

std::string UnresolvedReferenceText(std::u16string_view name) {
  return "Component " + Utf16ToUtf8(name) + " not found";
}

}  // namespace kel
