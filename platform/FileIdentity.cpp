#include "platform/FileIdentity.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <memory>

namespace kel {

bool AreSameFile(const std::string& first, const std::string& second) {
  struct stat a {};
  struct stat b {};
  return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 &&
         a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string ResolvedFolderName(const std::string& folder) {
  const std::unique_ptr<char, decltype(&::free)> real(::realpath(folder.c_str(), nullptr), &::free);
  return real ? real.get() : folder;
}

}  // namespace kel
