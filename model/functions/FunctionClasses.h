// Registration of the function classes by name, so that chart files naming
// them can be read.
#pragma once

namespace kel {

void RegisterFunctionClasses();

}  // namespace kel
