// Lists of paths handed to kelconv by another program (find, a job runner):
// one path per line, or NUL-separated so that any name can be listed.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace kel {

// The paths of `list`, separated by `separator` ('\n' or '\0'). With line
// breaks a "\r\n" ends a line too. Empty entries are skipped.
std::vector<std::string> ReadPathList(std::istream& list, char separator);

// The paths of the list file `fileName`, or of standard input for "-".
// Raises EFOpenError "Cannot open file "%s". %s" when the file cannot be
// read.
std::vector<std::string> ReadPathListFile(const std::string& fileName, char separator);

}  // namespace kel
