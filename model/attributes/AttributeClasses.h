// Start-up of the graphic attribute objects.
#pragma once

namespace kel {

// Fits the default font to the system locale. The attribute classes are never
// named in a stream (their objects are written as dotted properties of their
// owners), so there is nothing to add to the class registry; image filter
// classes register themselves where they are defined.
void RegisterAttributeClasses();

}  // namespace kel
