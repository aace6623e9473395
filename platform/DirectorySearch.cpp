// Directory search over POSIX directory streams.
#include "platform/DirectorySearch.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/Exceptions.h"
#include "platform/Path.h"

namespace kel {

namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The attributes a Windows search would report for the entry `name` of the
// open directory `dirFd`.
uint32_t EntryAttributes(int dirFd, const char* name) {
  uint32_t attributes = name[0] == '.' ? uint32_t{faHidden} : 0u;
  struct stat status;
  if (fstatat(dirFd, name, &status, 0) != 0) return attributes | faSysFile;  // broken link
  if (S_ISDIR(status.st_mode)) {
    attributes |= faDirectory;
  } else if (S_ISREG(status.st_mode)) {
    attributes |= faArchive;
  } else {
    attributes |= faSysFile;
  }
  if ((status.st_mode & S_IWUSR) == 0) attributes |= faReadOnly;
  return attributes;
}

class PosixDirectorySearch : public DirectorySearch {
 public:
  ~PosixDirectorySearch() override { Close(); }

  bool First(const std::string& pattern, uint32_t attributes, TSearchRec& match) override {
    Close();
    const PathParts parts = SplitPath(pattern);
    const std::string folder = parts.folder.empty() ? "." : std::string(parts.folder);
    FMask = parts.name;
    FAttributes = attributes;
    FDir = opendir(folder.c_str());
    return FDir != nullptr && Next(match);
  }

  bool Next(TSearchRec& match) override {
    if (FDir == nullptr) return false;
    constexpr uint32_t kExcludable = faHidden | faSysFile | faDirectory;
    while (const dirent* entry = readdir(FDir)) {
      if (!MatchesMask(entry->d_name, FMask)) continue;
      const uint32_t attributes = EntryAttributes(dirfd(FDir), entry->d_name);
      if ((attributes & kExcludable & ~FAttributes) != 0) continue;
      match.Name = entry->d_name;
      match.Attr = attributes;
      return true;
    }
    return false;
  }

  void Close() override {
    if (FDir != nullptr) closedir(FDir);
    FDir = nullptr;
  }

 private:
  DIR* FDir = nullptr;
  std::string FMask;
  uint32_t FAttributes = 0;
};

}  // namespace

std::unique_ptr<DirectorySearch> CreateDirectorySearch() {
  return std::make_unique<PosixDirectorySearch>();
}

std::vector<std::string> FindFiles(DirectorySearch& search,
                                   const std::string& folder,
                                   std::string_view mask) {
  std::vector<std::string> names;
  TSearchRec match;
  if (search.First(JoinPath(folder, mask), faArchive, match)) {
    do {
      names.push_back(match.Name);
    } while (search.Next(match));
  }
  search.Close();
  return names;
}

std::vector<std::string> FindFiles(const std::string& folder, std::string_view mask) {
  return FindFiles(*CreateDirectorySearch(), folder, mask);
}

void CheckFolderReadable(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    throw EFOpenError("Cannot open folder \"" + folder + "\". " + std::strerror(errno));
  }
  closedir(dir);
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MatchesMask(std::string_view name, std::string_view mask) {
  // Greedy matching that backtracks only to the last '*': linear for masks
  // with one '*', never exponential.
  size_t n = 0, m = 0;
  size_t starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || AsciiLower(mask[m]) == AsciiLower(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace kel
