// Directory search: the regular files of one folder whose names match a
// wildcard mask, in the order the file system lists them. Subfolders are not
// searched.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kel {

// Attribute bits of a directory entry.
enum : uint32_t {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faDirectory = 0x10,
  faArchive = 0x20,
  faNormal = 0x80,
};

struct TSearchRec {
  std::string Name;  // file name without folder
  uint32_t Attr = 0;
};

// One search at a time: First, then Next until it returns false, then Close.
// An entry is reported when none of its faHidden, faSysFile and faDirectory
// bits is missing from the requested attributes, so a request for faArchive
// gives the ordinary files only. Names starting with '.' count as hidden;
// entries that are neither regular files nor folders (devices, pipes,
// sockets, broken links) count as system files.
class DirectorySearch {
 public:
  virtual ~DirectorySearch() = default;

  // `pattern` is a folder path, '/', and a mask of '*' (any run of
  // characters) and '?' (one byte), matched without regard to ASCII
  // case. Returns false when nothing matches or the folder cannot be read.
  virtual bool First(const std::string& pattern, uint32_t attributes, TSearchRec& match) = 0;
  virtual bool Next(TSearchRec& match) = 0;
  virtual void Close() = 0;
};

// The search over the local file system.
std::unique_ptr<DirectorySearch> CreateDirectorySearch();

// The names (without folder) of the ordinary, non-hidden files of `folder`
// matching `mask`, in directory order.
std::vector<std::string> FindFiles(DirectorySearch& search,
                                   const std::string& folder,
                                   std::string_view mask);
std::vector<std::string> FindFiles(const std::string& folder, std::string_view mask);

// Raises EFOpenError "Cannot open folder "%s". %s" (the folder and the
// system's text for the error) when the folder cannot be listed, which a
// search would report as finding nothing.
void CheckFolderReadable(const std::string& folder);

// Whether `path` names a folder (or a link to one).
bool IsFolder(const std::string& path);

// Whether `name` matches the wildcard `mask` ('*' and '?'), ASCII caseless.
bool MatchesMask(std::string_view name, std::string_view mask);

}  // namespace kel
