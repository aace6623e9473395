// Registration of the tool base classes and the standard tools by name.
#pragma once

namespace kel {

void RegisterToolClasses();

}  // namespace kel
