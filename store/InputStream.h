// Opening an input for reading whatever it is: a file, a pipe, a FIFO or
// standard input.
#pragma once

#include <memory>
#include <string>

#include "persist/Stream.h"

namespace kel {

// The name that stands for standard input.
inline constexpr const char* kStandardInput = "-";

// Opens `path` for reading with deny-write sharing (standard input for
// kStandardInput). A file that cannot be positioned (a pipe, a FIFO, a
// terminal) is read to its end first and given as a stream in memory, so
// that readers that measure or seek their input see all of it. Raises
// EFOpenError "Cannot open file "%s". %s" when the file cannot be opened.
std::unique_ptr<TStream> OpenInputStream(const std::string& path);

}  // namespace kel
