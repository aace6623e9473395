#include "persist/Stream.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "persist/Exceptions.h"
#include "persist/HugePages.h"

namespace kel {

int64_t TStream::Size() {
  const int64_t position = Position();
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(kSReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(kSWriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  uint8_t chunk[65536];
  int64_t left = count;
  while (left > 0) {
    const int64_t n = std::min<int64_t>(left, sizeof chunk);
    source.ReadBuffer(chunk, n);
    WriteBuffer(chunk, n);
    left -= n;
  }
  return count;
}

namespace {

constexpr int64_t kMinimumMemoryCapacity = 4096;

}  // namespace

TMemoryStream::TMemoryStream(const std::vector<uint8_t>& bytes) {
  Grow(static_cast<int64_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(FData, bytes.data(), bytes.size());
  FSize = static_cast<int64_t>(bytes.size());
}

TMemoryStream::TMemoryStream(TMemoryStream&& other) noexcept
    : FData(std::exchange(other.FData, nullptr)),
      FSize(std::exchange(other.FSize, 0)),
      FCapacity(std::exchange(other.FCapacity, 0)),
      FPosition(std::exchange(other.FPosition, 0)) {}

TMemoryStream& TMemoryStream::operator=(TMemoryStream&& other) noexcept {
  if (this != &other) {
    std::free(FData);
    FData = std::exchange(other.FData, nullptr);
    FSize = std::exchange(other.FSize, 0);
    FCapacity = std::exchange(other.FCapacity, 0);
    FPosition = std::exchange(other.FPosition, 0);
  }
  return *this;
}

TMemoryStream::~TMemoryStream() {
  std::free(FData);
}

void TMemoryStream::Grow(int64_t needed) {
  if (needed <= FCapacity) return;
  const int64_t capacity = std::max({needed, FCapacity + FCapacity / 2, kMinimumMemoryCapacity});
  // realloc moves a large block by remapping its pages, not by copying them.
  void* data = std::realloc(FData, static_cast<size_t>(capacity));
  if (data == nullptr) throw std::bad_alloc();
  FData = static_cast<uint8_t*>(data);
  FCapacity = capacity;
  AdviseHugePages(FData, static_cast<size_t>(FCapacity));
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t available = FSize - FPosition;
  const int64_t n = std::clamp<int64_t>(count, 0, std::max<int64_t>(available, 0));
  if (n > 0) std::memcpy(buffer, FData + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

uint8_t* TMemoryStream::RoomAtPosition(int64_t count) {
  Grow(FPosition + count);
  // A position moved past the end leaves a gap that reads as zero.
  if (FPosition > FSize) std::memset(FData + FSize, 0, static_cast<size_t>(FPosition - FSize));
  return FData + FPosition;
}

void TMemoryStream::Advance(int64_t count) {
  FPosition += count;
  FSize = std::max(FSize, FPosition);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  std::memcpy(RoomAtPosition(count), buffer, static_cast<size_t>(count));
  Advance(count);
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      FPosition = offset;
      break;
    case TSeekOrigin::soCurrent:
      FPosition += offset;
      break;
    case TSeekOrigin::soEnd:
      FPosition = FSize + offset;
      break;
  }
  FPosition = std::max<int64_t>(FPosition, 0);
  return FPosition;
}

int64_t TMemoryStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) return TStream::CopyFrom(source, count);
  // Grown as the bytes come, so that a count larger than the source holds
  // allocates no more than twice what is there.
  constexpr int64_t kPiece = 1 << 20;
  for (int64_t left = count; left > 0;) {
    const int64_t n = std::min(left, kPiece);
    source.ReadBuffer(RoomAtPosition(n), n);
    Advance(n);
    left -= n;
  }
  return count;
}

void TMemoryStream::SetSize(int64_t size) {
  size = std::max<int64_t>(size, 0);
  Grow(size);
  if (size > FSize) std::memset(FData + FSize, 0, static_cast<size_t>(size - FSize));
  FSize = size;
  FPosition = std::min(FPosition, FSize);
}

void TMemoryStream::Reserve(int64_t capacity) {
  Grow(capacity);
}

void TMemoryStream::Clear() {
  FSize = 0;
  FPosition = 0;
}

std::vector<uint8_t> TMemoryStream::TakeBytes() {
  std::vector<uint8_t> bytes(FData, FData + FSize);
  Clear();
  return bytes;
}

TFileStream::TFileStream(const std::string& fileName, uint32_t mode) : FFileName(fileName) {
  if (mode == fmCreate) {
    FHandle = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (FHandle < 0) RaiseFileCreateError(fileName, errno);
    return;
  }
  const int access = (mode & 3) == fmOpenWrite       ? O_WRONLY
                     : (mode & 3) == fmOpenReadWrite ? O_RDWR
                                                     : O_RDONLY;
  FHandle = ::open(fileName.c_str(), access | O_CLOEXEC);
  struct stat info {};
  if (FHandle >= 0 && ::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(FHandle);
    FHandle = -1;
    errno = EISDIR;
  }
  if (FHandle < 0) RaiseFileOpenError(fileName, errno);
  // Deny-write sharing maps onto an advisory shared lock: other readers may
  // hold it too, a writer that asks for an exclusive lock is kept out.
  if (mode & fmShareDenyWrite) ::flock(FHandle, LOCK_SH | LOCK_NB);
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

void TFileStream::Close() {
  const int handle = std::exchange(FHandle, -1);
  if (handle >= 0 && ::close(handle) != 0) throw EWriteError(kSWriteError);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
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

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* bytes = static_cast<const uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n = ::write(FHandle, bytes + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                        : SEEK_END;
  const off_t result = ::lseek(FHandle, offset, whence);
  return result < 0 ? -1 : static_cast<int64_t>(result);
}

}  // namespace kel
