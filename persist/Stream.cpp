#include "persist/Stream.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include "persist/Exceptions.h"
#include "platform/HugePageAdvice.h"

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
    FFile.Create(fileName);
    return;
  }
  const File::Access access = (mode & 3) == fmOpenWrite       ? File::Access::Write
                              : (mode & 3) == fmOpenReadWrite ? File::Access::ReadWrite
                                                              : File::Access::Read;
  FFile.Open(fileName, access);
  // Deny-write sharing maps onto an advisory shared lock.
  if (mode & fmShareDenyWrite) FFile.LockShared();
}

TFileStream::~TFileStream() = default;

void TFileStream::Close() {
  if (!FFile.Close()) throw EWriteError(kSWriteError);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  return FFile.Read(buffer, count);
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  return FFile.Write(buffer, count);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const File::Origin from = origin == TSeekOrigin::soBeginning ? File::Origin::Beginning
                            : origin == TSeekOrigin::soCurrent ? File::Origin::Current
                                                               : File::Origin::End;
  return FFile.Seek(offset, from);
}

}  // namespace kel
