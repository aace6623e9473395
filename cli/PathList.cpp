#include "cli/PathList.h"

#include <cerrno>
#include <fstream>
#include <iostream>

#include "platform/DirectorySearch.h"
#include "platform/Exceptions.h"

namespace kel {

std::vector<std::string> ReadPathList(std::istream& list, char separator) {
  std::vector<std::string> paths;
  for (std::string path; std::getline(list, path, separator);) {
    if (separator == '\n' && !path.empty() && path.back() == '\r') path.pop_back();
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}

std::vector<std::string> ReadPathListFile(const std::string& fileName, char separator) {
  if (fileName == "-") return ReadPathList(std::cin, separator);
  if (IsFolder(fileName)) RaiseFileOpenError(fileName, EISDIR);
  std::ifstream list(fileName, std::ios::binary);
  if (!list) RaiseFileOpenError(fileName, errno);
  return ReadPathList(list, separator);
}

}  // namespace kel
