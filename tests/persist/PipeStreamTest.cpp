// Bytes written on one thread arrive in order on another; either side can end
// the transfer without leaving the other one waiting.
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/PipeStream.h"

namespace kel {
namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return bytes;
}

TEST(PipeStream, PassesBytesInOrderAndEndsWithAShortRead) {
  const std::vector<uint8_t> sent = Pattern(9 * 1024 * 1024 + 123);
  TPipeStream pipe;
  std::thread writer([&] {
    // Writes of every size, from single bytes to several pieces at once.
    size_t offset = 0;
    for (size_t step = 1; offset < sent.size(); step = step * 3 + 1) {
      const size_t n = std::min(step, sent.size() - offset);
      pipe.WriteBuffer(sent.data() + offset, static_cast<int64_t>(n));
      offset += n;
    }
    pipe.CloseWriting();
  });
  std::vector<uint8_t> received(sent.size() + 10);
  int64_t total = 0;
  for (int64_t n = 1; n > 0; total += n) {
    n = pipe.Read(received.data() + total, std::min<int64_t>(65536, received.size() - total));
  }
  writer.join();
  received.resize(static_cast<size_t>(total));
  EXPECT_TRUE(received == sent);
  EXPECT_EQ(pipe.Position(), -1);
}

TEST(PipeStream, WritingFailsOnceTheReaderHasStopped) {
  TPipeStream pipe;
  std::thread reader([&] {
    uint8_t byte = 0;
    pipe.ReadBuffer(&byte, 1);
    pipe.CloseReading();
  });
  const std::vector<uint8_t> piece = Pattern(1024 * 1024);
  // The reader stops after one byte: the writer fails instead of waiting for
  // room that never comes.
  EXPECT_THROW(for (int i = 0; i < 100; ++i) pipe.WriteBuffer(piece.data(), piece.size()),
               EWriteError);
  reader.join();
}

}  // namespace
}  // namespace kel
