#include "platform/Path.h"

namespace kel {

PathParts SplitPath(std::string_view path, std::string_view separators) {
  const size_t separator = path.find_last_of(separators);
  const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
  return {path.substr(0, nameStart), path.substr(nameStart)};
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

}  // namespace kel
