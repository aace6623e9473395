// Paths as strings: cutting one into its folder and name, and joining the two.
#pragma once

#include <string>
#include <string_view>

namespace kel {

// The folder separator of this system's paths.
inline constexpr std::string_view kFolderSeparators = "/";
// '\', ':' and '/' all separate folders, for names that may come from either
// platform.
inline constexpr std::string_view kAnyPlatformSeparators = "\\:/";

// A path cut after its last separator: `folder` ends with that separator
// (empty when there is none), `name` is the rest (empty when the path ends
// with a separator), and folder followed by name is the path again.
struct PathParts {
  std::string_view folder;
  std::string_view name;
};

PathParts SplitPath(std::string_view path, std::string_view separators = kFolderSeparators);

// Joins a folder and a name with one separator.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace kel
