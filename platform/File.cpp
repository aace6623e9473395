// Files over POSIX file descriptors.
#include "platform/File.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/Exceptions.h"

namespace kel {

File::~File() {
  if (FHandle >= 0) ::close(FHandle);
}

void File::Open(const std::string& fileName, Access access) {
  Close();
  const int flags = access == Access::Write       ? O_WRONLY
                    : access == Access::ReadWrite ? O_RDWR
                                                  : O_RDONLY;
  FHandle = ::open(fileName.c_str(), flags | O_CLOEXEC);
  struct stat info {};
  if (FHandle >= 0 && ::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    errno = EISDIR;
  }
  if (FHandle < 0) RaiseFileOpenError(fileName, errno);
}

void File::Create(const std::string& fileName) {
  Close();
  FHandle = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (FHandle < 0) RaiseFileCreateError(fileName, errno);
}

void File::LockShared() {
  ::flock(FHandle, LOCK_SH | LOCK_NB);
}

int64_t File::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* bytes = static_cast<uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n = ::read(FHandle, bytes + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t File::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n = ::write(FHandle, bytes + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      FLastWriteError = n < 0 ? errno : ENOSPC;
      break;
    }
    done += n;
  }
  return done;
}

int64_t File::Seek(int64_t offset, Origin origin) {
  const int whence = origin == Origin::Beginning ? SEEK_SET
                     : origin == Origin::Current ? SEEK_CUR
                                                 : SEEK_END;
  const off_t result = ::lseek(FHandle, offset, whence);
  return result < 0 ? -1 : static_cast<int64_t>(result);
}

bool File::Close() {
  const int handle = std::exchange(FHandle, -1);
  if (handle < 0 || ::close(handle) == 0) return true;
  FLastWriteError = errno;
  return false;
}

}  // namespace kel
