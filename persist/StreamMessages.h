// Texts of the errors that more than one place of the stream code raises.
#pragma once

#include <string>
#include <string_view>

namespace kel {

// "Class <name> not found".
std::string ClassNotFoundText(std::u16string_view className);
// "Error reading <object>.<property path>: <cause>", the reader's wrapping of
// a failure inside one property entry.
std::string ErrorReadingText(std::u16string_view objectName,
                             std::u16string_view propertyPath,
                             std::string_view cause);
// "Error reading <object>: <cause>" for a whole record left out, or the cause
// alone when the record has no name.
std::string SkippedRecordText(std::u16string_view objectName, std::string_view cause);
// "Component <name> not found", a reference that names nothing.
std::string UnresolvedReferenceText(std::u16string_view name);

}  // namespace kel
