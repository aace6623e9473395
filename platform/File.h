// An open file of the local file system: thin calls on the system's file
// handle, on which the file streams build.
#pragma once

#include <cstdint>
#include <string>

namespace kel {

class File {
 public:
  enum class Access { Read, Write, ReadWrite };
  enum class Origin { Beginning, Current, End };

  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file, which must not be a folder, closing the one open
  // before. Raises EFOpenError "Cannot open file "%s". %s".
  void Open(const std::string& fileName, Access access);
  // Creates the file, or empties it when it exists, for reading and writing,
  // closing the one open before. Raises EFCreateError
  // "Cannot create file "%s". %s".
  void Create(const std::string& fileName);
  // Takes an advisory shared lock where it can: other readers may hold it
  // too, a writer that asks for an exclusive lock is kept out.
  void LockShared();

  // Reads up to `count` bytes; fewer only at the end of the file or when
  // the system fails.
  int64_t Read(void* buffer, int64_t count);
  // Writes up to `count` bytes; fewer only when the system fails.
  int64_t Write(const void* buffer, int64_t count);
  // The new position, or -1 when the system refuses it.
  int64_t Seek(int64_t offset, Origin origin);

  // Closes the file (nothing to do when it is not open); false when the
  // system reports that written data could not be stored.
  bool Close();

  // The system's error (an errno value) of the last write or close that
  // failed; 0 when none did.
  int LastWriteError() const { return FLastWriteError; }

 private:
  int FHandle = -1;
  int FLastWriteError = 0;
};

}  // namespace kel
