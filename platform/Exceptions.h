// Failures of the whole system: one base class carrying the message text
// (UTF-8), from which every failure derives, and the failures of files, which
// the file services here raise themselves.
#pragma once

#include <stdexcept>
#include <string>

namespace kel {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

// Declares a failure class `Name` derived from `Base`, made from its message.
#define KEL_DECLARE_EXCEPTION(Name, Base)                        \
  class Name : public Base {                                     \
   public:                                                       \
    explicit Name(const std::string& message) : Base(message) {} \
  }

KEL_DECLARE_EXCEPTION(EStreamError, Exception);
KEL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
KEL_DECLARE_EXCEPTION(EFCreateError, EStreamError);
KEL_DECLARE_EXCEPTION(EFWriteError, EStreamError);

// The failures of opening and creating a file: EFOpenError
// "Cannot open file "%s". %s" and EFCreateError "Cannot create file "%s". %s",
// naming the file by its full path, with the system's text for `error` (an
// errno value).
[[noreturn]] void RaiseFileOpenError(const std::string& fileName, int error);
[[noreturn]] void RaiseFileCreateError(const std::string& fileName, int error);
// The failure of writing a file: EFWriteError "Cannot write file "%s": %s".
[[noreturn]] void RaiseFileWriteError(const std::string& fileName, int error);

}  // namespace kel
