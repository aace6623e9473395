#include "persist/PipeStream.h"

#include <algorithm>
#include <cstring>

#include "persist/Exceptions.h"

namespace kel {

int64_t TPipeStream::Read(void* buffer, int64_t count) {
  auto* out = static_cast<uint8_t*>(buffer);
  int64_t done = 0;
  std::unique_lock lock(FMutex);
  while (done < count) {
    FChanged.wait(lock, [&] { return !FPieces.empty() || FWritingClosed; });
    if (FPieces.empty()) break;
    std::vector<uint8_t>& piece = FPieces.front();
    const size_t n = std::min(piece.size() - FReadOffset, static_cast<size_t>(count - done));
    std::memcpy(out + done, piece.data() + FReadOffset, n);
    done += static_cast<int64_t>(n);
    FReadOffset += n;
    if (FReadOffset == piece.size()) {
      FFree.push_back(std::move(piece));
      FPieces.pop_front();
      FReadOffset = 0;
      FChanged.notify_all();
    }
  }
  return done;
}

int64_t TPipeStream::Write(const void* buffer, int64_t count) {
  const auto* in = static_cast<const uint8_t*>(buffer);
  for (int64_t left = count; left > 0;) {
    if (FFilling.capacity() == 0) {
      std::unique_lock lock(FMutex);
      if (!FFree.empty()) {
        FFilling = std::move(FFree.back());
        FFree.pop_back();
        FFilling.clear();
      }
      lock.unlock();
      FFilling.reserve(kPieceSize);
    }
    const size_t n = std::min(kPieceSize - FFilling.size(), static_cast<size_t>(left));
    FFilling.insert(FFilling.end(), in, in + n);
    in += n;
    left -= static_cast<int64_t>(n);
    if (FFilling.size() == kPieceSize) {
      std::unique_lock lock(FMutex);
      PassPiece(lock);
    }
  }
  return count;
}

void TPipeStream::PassPiece(std::unique_lock<std::mutex>& lock) {
  FChanged.wait(lock, [&] { return FPieces.size() < kMaxPieces || FReadingClosed; });
  if (FReadingClosed) throw EWriteError(kSWriteError);
  FPieces.push_back(std::move(FFilling));
  FFilling = {};
  FChanged.notify_all();
}

int64_t TPipeStream::Seek(int64_t, TSeekOrigin) {
  return -1;
}

bool TPipeStream::ReadingClosed() {
  std::lock_guard lock(FMutex);
  return FReadingClosed;
}

void TPipeStream::CloseWriting() {
  std::unique_lock lock(FMutex);
  if (!FFilling.empty() && !FReadingClosed) {
    FChanged.wait(lock, [&] { return FPieces.size() < kMaxPieces || FReadingClosed; });
    if (!FReadingClosed) FPieces.push_back(std::move(FFilling));
  }
  FFilling = {};
  FWritingClosed = true;
  FChanged.notify_all();
}

void TPipeStream::CloseReading() {
  std::lock_guard lock(FMutex);
  FReadingClosed = true;
  FPieces.clear();
  FChanged.notify_all();
}

}  // namespace kel
