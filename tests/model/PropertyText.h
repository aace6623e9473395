// Writing a persistent object's entries as text lines, and reading such lines
// back into an object, the way the object's entries appear inside a chart's
// record ("Title.Font.Color = clRed").
#pragma once

#include <string>
#include <string_view>

#include "persist/Persistent.h"

namespace kel::test {

// The object's entries in the text form, one per line ending in "\n", each
// name prefixed with prefix (for example "Title.").
std::string PropertiesText(TPersistent& object, std::u16string_view prefix = u"");

// Reads entries given as text lines (names relative to the object) into the
// object. Errors propagate.
void LoadProperties(TPersistent& object, std::string_view lines);

}  // namespace kel::test
