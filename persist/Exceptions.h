// The failures of the stream code: one subclass of the system's base failure
// per kind, so that callers can tell them apart.
#pragma once

#include <string>

#include "platform/Exceptions.h"

namespace kel {

KEL_DECLARE_EXCEPTION(EReadError, EStreamError);
KEL_DECLARE_EXCEPTION(EWriteError, EStreamError);
KEL_DECLARE_EXCEPTION(EFilerError, EStreamError);
KEL_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
KEL_DECLARE_EXCEPTION(EParserError, Exception);
KEL_DECLARE_EXCEPTION(EConvertError, Exception);
KEL_DECLARE_EXCEPTION(EComponentError, Exception);
KEL_DECLARE_EXCEPTION(EPropertyError, Exception);
KEL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
KEL_DECLARE_EXCEPTION(EListError, Exception);

// Messages shared by several places of the stream code.
inline constexpr const char* kSReadError = "Stream read error";
inline constexpr const char* kSWriteError = "Stream write error";
inline constexpr const char* kSInvalidProperty = "Invalid property value";
inline constexpr const char* kSInvalidStreamFormat = "Invalid stream format";

}  // namespace kel
