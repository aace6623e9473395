// Replacing a file in one step: the new content goes to a temporary file
// beside it, which then takes the file's place, so that a failed write never
// leaves a truncated file and an earlier good file stays.
#pragma once

#include <functional>
#include <string>

namespace kel {

// Lets `write` fill a new, empty temporary file in the folder of `fileName`,
// given to it by name, then puts it in place of `fileName` in one step. When
// `write` or the file system fails, the temporary file is removed,
// `fileName` is left as it was and the failure propagates; a file that
// cannot be made raises EFCreateError "Cannot create file "%s". %s" naming
// `fileName`.
void ReplaceFileAtomically(const std::string& fileName,
                           const std::function<void(const std::string& temporaryName)>& write);

}  // namespace kel
