// Replacing files in one step: the new content goes to a temporary file
// beside each, which then takes the file's place, so that a failed write never
// leaves a truncated file and an earlier good file stays.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kel {

// One file to replace and what fills its temporary file, given by name.
struct FileReplacement {
  std::string fileName;
  std::function<void(const std::string& temporaryName)> write;
};

// Lets each `write` fill a new, empty, hidden temporary file in the folder
// of its `fileName` (".NAME.XXXXXXXX.tmp"), then puts all of them in place in
// a row that signals do not interrupt. When a write or the file system
// fails, every temporary file is removed, every file is left as it was and
// the failure propagates; a file that cannot be made raises EFCreateError
// "Cannot create file "%s". %s" naming the file to replace. A replaced file
// keeps its mode and, where the system permits, its owner. Temporary files
// of the same file left behind by a process that died are removed first;
// those of a running process are locked and stay.
void ReplaceFilesTogether(const std::vector<FileReplacement>& files);

// ReplaceFilesTogether for one file.
void ReplaceFileAtomically(const std::string& fileName,
                           const std::function<void(const std::string& temporaryName)>& write);

}  // namespace kel
