// Byte streams: the abstract stream the filer reads and writes, an in-memory
// stream and a file stream.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/File.h"

namespace kel {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to count bytes; returns the number read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes; returns the number written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual int64_t Size();

  // Whole-count variants: a short read raises EReadError "Stream read error",
  // a short write EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source (all of it from its start when count is 0).
  virtual int64_t CopyFrom(TStream& source, int64_t count);
};

// Bytes in memory. The block grows in place where it can, so that growing a
// large stream neither copies nor clears what it holds.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(const std::vector<uint8_t>& bytes);
  TMemoryStream(TMemoryStream&& other) noexcept;
  TMemoryStream& operator=(TMemoryStream&& other) noexcept;
  ~TMemoryStream() override;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return FSize; }
  // Reads straight into the memory of the stream.
  int64_t CopyFrom(TStream& source, int64_t count) override;

  // New bytes read as zero.
  void SetSize(int64_t size);
  // Room for `capacity` bytes without growing again.
  void Reserve(int64_t capacity);
  void Clear();
  const uint8_t* Memory() const { return FData; }
  std::span<const uint8_t> Bytes() const { return {FData, static_cast<size_t>(FSize)}; }
  // A copy of the bytes; the stream is left empty.
  std::vector<uint8_t> TakeBytes();

 private:
  void Grow(int64_t needed);
  // Room for `count` bytes at the position, a gap before it cleared; then
  // Advance past what was put there.
  uint8_t* RoomAtPosition(int64_t count);
  void Advance(int64_t count);

  uint8_t* FData = nullptr;
  int64_t FSize = 0;
  int64_t FCapacity = 0;
  int64_t FPosition = 0;
};

// File open modes: the values of the host runtime, so that callers can pass
// the documented numbers (32 = read access, deny write).
enum : uint32_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareDenyWrite = 0x0020,
  fmCreate = 0xFF00,
};

// A file on disk. Opening a missing file raises EFOpenError
// "Cannot open file "%s". %s", failing to create one EFCreateError
// "Cannot create file "%s". %s", the second %s being the system's error text.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& fileName, uint32_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  const std::string& FileName() const { return FFileName; }
  // The system's error (an errno value) of the last failed write or close;
  // 0 when none failed.
  int LastWriteError() const { return FFile.LastWriteError(); }
  // Closes the file, raising EWriteError "Stream write error" when the system
  // reports that written data could not be stored.
  void Close();

 private:
  std::string FFileName;
  File FFile;
};

}  // namespace kel
