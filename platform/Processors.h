// How many processors this process may run on.
#pragma once

namespace kel {

// The processors in the process's affinity mask (what `taskset` or a
// scheduler's CPU limit leave), at least 1.
unsigned ProcessorsAvailable();

}  // namespace kel
