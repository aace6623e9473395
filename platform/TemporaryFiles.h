// The temporary files the process has made and not yet put in place, removed
// when the process is ended by a signal, so that an interrupted conversion
// leaves its folders as they were.
#pragma once

#include <functional>
#include <string>

namespace kel {

// Makes SIGINT, SIGTERM and SIGHUP remove every registered temporary file
// and then end the process by the same signal (so that a shell sees the
// status 128 + its number), and makes writing past the file-size limit fail
// with EFBIG instead of ending the process by SIGXFSZ.
void RemoveTemporaryFilesOnSignals();

// Registers a temporary file for the life of the object. Slots are fixed, so
// that a signal handler can read them; past the last slot a file stays
// unregistered (and is still removed by the next writer of its output).
class TemporaryFileRegistration {
 public:
  explicit TemporaryFileRegistration(const std::string& fileName);
  ~TemporaryFileRegistration();
  TemporaryFileRegistration(const TemporaryFileRegistration&) = delete;
  TemporaryFileRegistration& operator=(const TemporaryFileRegistration&) = delete;

 private:
  int FSlot;
};

// Runs `step` (making and registering a temporary file, or renaming
// temporary files into place and dropping their registrations) so that the
// signals above never interrupt it halfway: they are held back on this
// thread and a handler on another thread waits for it.
void RunUninterrupted(const std::function<void()>& step);

}  // namespace kel
