// Writing an output file through a stream so that it is either complete or
// not there: a failed write never leaves a truncated file, and an earlier
// good file stays.
#pragma once

#include <functional>
#include <string>

#include "persist/Stream.h"

namespace kel {

// Lets `write` fill a temporary file in the folder of `fileName`, then puts
// it in place of `fileName` in one step. When `write` or the file system
// fails, the temporary file is removed, `fileName` is left as it was and the
// failure propagates; a file that cannot be made raises EFCreateError
// "Cannot create file "%s". %s" naming `fileName`.
void WriteFileAtomically(const std::string& fileName, const std::function<void(TStream&)>& write);

}  // namespace kel
