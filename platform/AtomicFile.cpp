#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string_view>

#include "platform/Exceptions.h"
#include "platform/Path.h"
#include "platform/TemporaryFiles.h"

namespace kel {
namespace {

// Keeps the temporary name within the file system's limit on name length.
constexpr size_t kMaxBaseInTemporaryName = 200;
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr size_t kRandomDigits = 8;

// Whether the lock on `handle` is held and `name` still names its file, so
// that no one else is writing it or has removed it.
bool LockedAndStillNamed(int handle, const std::string& name) {
  if (::flock(handle, LOCK_EX | LOCK_NB) != 0) return false;
  struct stat open {};
  struct stat named {};
  return ::fstat(handle, &open) == 0 && ::lstat(name.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Whether `entry` is `prefix` followed by eight hexadecimal digits and
// ".tmp", the name of a temporary file.
bool IsTemporaryName(std::string_view entry, std::string_view prefix) {
  if (entry.size() != prefix.size() + kRandomDigits + kTemporaryEnd.size() ||
      !entry.starts_with(prefix) || !entry.ends_with(kTemporaryEnd)) {
    return false;
  }
  for (const char c : entry.substr(prefix.size(), kRandomDigits)) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// The hidden names of `folder` shaped like temporary files, listed once per
// folder and process: a listing for each output would make a folder batch
// quadratic in the folder's size.
std::vector<std::string> TemporaryLookingNames(const std::string& folder) {
  static std::mutex lock;
  static std::map<std::string, std::vector<std::string>> listed;
  const std::lock_guard<std::mutex> guard(lock);
  const auto [names, added] = listed.try_emplace(folder);
  if (!added) return names->second;
  std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.empty() ? "." : folder.c_str()),
                                              ::closedir);
  if (!listing) return {};
  while (const dirent* entry = ::readdir(listing.get())) {
    const std::string_view name = entry->d_name;
    const size_t randomStart =
        name.size() - std::min(name.size(), kRandomDigits + kTemporaryEnd.size());
    if (name.starts_with('.') && IsTemporaryName(name, name.substr(0, randomStart))) {
      names->second.emplace_back(name);
    }
  }
  return names->second;
}

// Removes the temporary files of the same target that a process left
// behind when it was killed or crashed: nobody holds their lock.
void RemoveAbandonedTemporaries(const std::string& folder, std::string_view prefix) {
  for (const std::string& entry : TemporaryLookingNames(folder)) {
    if (!IsTemporaryName(entry, prefix)) continue;
    const std::string name = folder + entry;
    const int handle = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0) continue;
    if (LockedAndStillNamed(handle, name)) ::unlink(name.c_str());
    ::close(handle);
  }
}

// A hidden temporary file beside its target, locked for as long as it lives
// and registered for removal on signals; removed unless put in place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : FTarget(target) {
    const PathParts parts = SplitPath(target);
    const std::string folder(parts.folder);
    const std::string prefix =
        "." + std::string(parts.name.substr(0, kMaxBaseInTemporaryName)) + ".";
    RemoveAbandonedTemporaries(folder, prefix);
    // Private until it has the mode of the file it replaces.
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? 0600 : 0666;
    // Made and registered in one step, so that a signal cannot come between.
    RunUninterrupted([&] { CreateAndRegister(folder + prefix, mode); });
  }

  ~TemporaryFile() {
    if (FRegistration) ::unlink(FName.c_str());
    ::close(FHandle);
  }

  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Name() const { return FName; }

  // Renames the temporary file to its target; from then on it is no longer
  // a temporary file.
  void PutInPlace() {
    if (std::rename(FName.c_str(), FTarget.c_str()) != 0) RaiseFileCreateError(FTarget, errno);
    FRegistration.reset();
  }

 private:
  // Creates "PREFIX" + eight random hexadecimal digits + ".tmp", locks and
  // registers it and gives it the attributes of the target.
  void CreateAndRegister(const std::string& prefix, mode_t mode) {
    thread_local std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, "%08x.tmp", static_cast<unsigned>(random()));
      FName = prefix + suffix;
      FHandle = ::open(FName.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (FHandle < 0) {
        if (errno != EEXIST) RaiseFileCreateError(FTarget, errno);
        continue;
      }
      if (LockedAndStillNamed(FHandle, FName)) {
        FRegistration.emplace(FName);
        TakeAttributesOfTarget();
        return;
      }
      // Taken for an abandoned one by another process before it was locked.
      ::close(FHandle);
      FHandle = -1;
    }
    RaiseFileCreateError(FTarget, EEXIST);
  }

  // Gives the temporary file the mode and, where permitted, the owner of the
  // file it replaces; a new file keeps the mode it was made with.
  void TakeAttributesOfTarget() {
    struct stat target {};
    struct stat own {};
    if (::stat(FTarget.c_str(), &target) != 0 || !S_ISREG(target.st_mode) ||
        ::fstat(FHandle, &own) != 0) {
      return;
    }
    if ((target.st_uid != own.st_uid || target.st_gid != own.st_gid) &&
        ::fchown(FHandle, target.st_uid, target.st_gid) != 0) {
      // Only the group, when the owner cannot be given away.
      [[maybe_unused]] const int groupOnly =
          ::fchown(FHandle, static_cast<uid_t>(-1), target.st_gid);
    }
    // The file is this process's own, so that only a file system without
    // modes refuses this.
    [[maybe_unused]] const int ignored = ::fchmod(FHandle, target.st_mode & 07777);
  }

  std::string FTarget;
  std::string FName;
  int FHandle = -1;
  std::optional<TemporaryFileRegistration> FRegistration;
};

}  // namespace

void ReplaceFilesTogether(const std::vector<FileReplacement>& files) {
  std::vector<std::unique_ptr<TemporaryFile>> temporaries;
  for (const FileReplacement& file : files) {
    temporaries.push_back(std::make_unique<TemporaryFile>(file.fileName));
    file.write(temporaries.back()->Name());
  }
  // A folder in the way would stop the row of renames halfway.
  for (const FileReplacement& file : files) {
    struct stat existing {};
    if (::lstat(file.fileName.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
      RaiseFileCreateError(file.fileName, EISDIR);
    }
  }
  RunUninterrupted([&] {
    for (const auto& temporary : temporaries) temporary->PutInPlace();
  });
}

void ReplaceFileAtomically(const std::string& fileName,
                           const std::function<void(const std::string& temporaryName)>& write) {
  ReplaceFilesTogether({{fileName, write}});
}

}  // namespace kel
