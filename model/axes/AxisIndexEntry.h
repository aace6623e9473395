// Entries that name an axis by its position in a list of axes.
#pragma once

#include <cstdint>

namespace kel {

class TPersistent;
class TReader;

// Whether index lies in a list of count axes. Otherwise the entry that
// instance is reading fails with "Argument out of range": its value has been
// read whole, so the reader's error route may skip the entry (the answer is
// then false); when the route does not take it, the error is raised.
bool AxisIndexInRange(TReader& reader, const TPersistent& instance, int32_t index, int count);

}  // namespace kel
