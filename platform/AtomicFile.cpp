#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "platform/Exceptions.h"
#include "platform/Path.h"

namespace kel {
namespace {

// Keeps the temporary name within the file system's limit on name length.
constexpr size_t kMaxBaseInTemporaryName = 200;

// Creates an empty, hidden temporary file beside `fileName` under a fresh
// name (so that a folder walk does not pick it up) and returns that name.
std::string ReserveTemporaryFile(const std::string& fileName) {
  const PathParts parts = SplitPath(fileName);
  const std::string folder(parts.folder);
  const std::string base(parts.name.substr(0, kMaxBaseInTemporaryName));
  // One engine per thread: the workers of a batch reserve names at once.
  thread_local std::mt19937 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(random()));
    const std::string name = folder + "." + base + suffix;
    const int handle = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle >= 0) {
      ::close(handle);
      return name;
    }
    if (errno != EEXIST) RaiseFileCreateError(fileName, errno);
  }
  RaiseFileCreateError(fileName, EEXIST);
}

}  // namespace

void ReplaceFileAtomically(const std::string& fileName,
                           const std::function<void(const std::string& temporaryName)>& write) {
  const std::string temporary = ReserveTemporaryFile(fileName);
  try {
    write(temporary);
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
      RaiseFileCreateError(fileName, errno);
    }
  } catch (...) {
    std::remove(temporary.c_str());
    throw;
  }
}

}  // namespace kel
