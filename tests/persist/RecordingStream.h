// An in-memory stream that records the size of every read and write call, and
// can be told to accept only part of a write, to check how the filer uses it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "persist/Stream.h"

namespace kel::test {

class RecordingStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;

  int64_t Read(void* buffer, int64_t count) override {
    reads.push_back(count);
    return TMemoryStream::Read(buffer, count);
  }
  int64_t Write(const void* buffer, int64_t count) override {
    writes.push_back(count);
    return TMemoryStream::Write(buffer, std::min(count, writeLimit));
  }

  std::vector<int64_t> reads;
  std::vector<int64_t> writes;
  int64_t writeLimit = INT64_MAX;
};

}  // namespace kel::test
