// Writing output files through streams so that each is either complete or
// not there: a failed write never leaves a truncated file, and earlier good
// files stay.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "persist/Stream.h"

namespace kel {

// One file to write and what fills it.
struct StreamReplacement {
  std::string fileName;
  std::function<void(TStream&)> write;
};

// Lets each `write` fill a temporary file in the folder of its `fileName`,
// then puts all of them in place together (ReplaceFilesTogether). When a
// write or the file system fails, the temporary files are removed, every
// file is left as it was and the failure propagates; a file that cannot be
// made raises EFCreateError "Cannot create file "%s". %s", one that cannot be
// written EFWriteError "Cannot write file "%s": %s" with the system's
// reason, both naming the file to write.
void WriteFilesAtomically(const std::vector<StreamReplacement>& files);

// WriteFilesAtomically for one file.
void WriteFileAtomically(const std::string& fileName, const std::function<void(TStream&)>& write);

}  // namespace kel
