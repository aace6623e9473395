// Whether two paths lead to one file, by its device and inode, so that a link
// or another spelling of the path is recognised too.
#pragma once

#include <string>

namespace kel {

// True when both paths exist and name the same file (links followed).
bool AreSameFile(const std::string& first, const std::string& second);

// The folder's absolute name with links, "." and ".." resolved, so that two
// spellings of one folder meet; the name as given when it cannot be
// resolved (a folder that does not exist).
std::string ResolvedFolderName(const std::string& folder);

}  // namespace kel
