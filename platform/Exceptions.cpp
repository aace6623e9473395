#include "platform/Exceptions.h"

#include <cstring>
#include <filesystem>

namespace kel {
namespace {

// File errors name the file by its full path, as the user may not know
// which folder a relative name was taken from.
std::string FullPath(const std::string& fileName) {
  std::error_code failed;
  const std::filesystem::path full = std::filesystem::absolute(fileName, failed);
  return failed ? fileName : full.lexically_normal().string();
}

}  // namespace

void RaiseFileOpenError(const std::string& fileName, int error) {
  throw EFOpenError("Cannot open file \"" + FullPath(fileName) + "\". " + std::strerror(error));
}

void RaiseFileCreateError(const std::string& fileName, int error) {
  throw EFCreateError("Cannot create file \"" + FullPath(fileName) + "\". " + std::strerror(error));
}

void RaiseFileWriteError(const std::string& fileName, int error) {
  throw EFWriteError("Cannot write file \"" + FullPath(fileName) + "\": " + std::strerror(error));
}

}  // namespace kel
