// Failures of the whole system: one base class carrying the message text (UTF-8),
// and one subclass per kind of failure so that callers can tell them apart.
#pragma once

#include <stdexcept>
#include <string>

namespace kel {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define KEL_DECLARE_EXCEPTION(Name, Base)                           \
  class Name : public Base {                                        \
   public:                                                          \
    explicit Name(const std::string& message) : Base(message) {}    \
  }

KEL_DECLARE_EXCEPTION(EStreamError, Exception);
KEL_DECLARE_EXCEPTION(EReadError, EStreamError);
KEL_DECLARE_EXCEPTION(EWriteError, EStreamError);
KEL_DECLARE_EXCEPTION(EFilerError, EStreamError);
KEL_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
KEL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
KEL_DECLARE_EXCEPTION(EFCreateError, EStreamError);
KEL_DECLARE_EXCEPTION(EParserError, Exception);
KEL_DECLARE_EXCEPTION(EConvertError, Exception);
KEL_DECLARE_EXCEPTION(EComponentError, Exception);
KEL_DECLARE_EXCEPTION(EPropertyError, Exception);
KEL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
KEL_DECLARE_EXCEPTION(EListError, Exception);

#undef KEL_DECLARE_EXCEPTION

// Messages shared by several places of the stream code.
inline constexpr const char* kSReadError = "Stream read error";
inline constexpr const char* kSWriteError = "Stream write error";
inline constexpr const char* kSInvalidProperty = "Invalid property value";
inline constexpr const char* kSInvalidStreamFormat = "Invalid stream format";

}  // namespace kel
