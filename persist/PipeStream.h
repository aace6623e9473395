// A stream from one thread to another: what the writing thread writes, the
// reading thread reads, in order, through a few buffers of bounded size.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "persist/Stream.h"

namespace kel {

class TPipeStream : public TStream {
 public:
  TPipeStream() = default;

  // Blocks until `count` bytes have come or the writing side has closed.
  int64_t Read(void* buffer, int64_t count) override;
  // Blocks while the pipe is full. Raises EWriteError "Stream write error"
  // once the reading side has stopped.
  int64_t Write(const void* buffer, int64_t count) override;
  // A pipe has no position: fails with -1.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return -1; }

  // The writing side: no more bytes will come.
  void CloseWriting();
  // The reading side: no more bytes are wanted; writing fails from now on.
  void CloseReading();
  bool ReadingClosed();

 private:
  static constexpr size_t kPieceSize = 256 << 10;
  static constexpr size_t kMaxPieces = 4;

  // Hands the piece being filled to the reading side.
  void PassPiece(std::unique_lock<std::mutex>& lock);

  std::mutex FMutex;
  std::condition_variable FChanged;
  std::deque<std::vector<uint8_t>> FPieces;  // passed, not read yet
  std::vector<std::vector<uint8_t>> FFree;   // read, for reuse
  std::vector<uint8_t> FFilling;             // writing side only
  size_t FReadOffset = 0;                    // into FPieces.front()
  bool FWritingClosed = false;
  bool FReadingClosed = false;
};

}  // namespace kel
