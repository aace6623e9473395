// Messages that quote bytes from files kept to one readable line.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace kel {

// `text` (UTF-8) with every control character written as an escape: "\n",
// "\r" and "\t" by name, the other C0 controls and DEL as "\xNN", and the C1
// controls (U+0080 to U+009F) as "\u00NN"; everything else is kept.
std::string EscapeControlCharacters(std::string_view text);

// The message of a failure as the user reads it: the exception's message,
// or "Out of memory" for a failed allocation.
std::string FailureText(const std::exception& failure);

}  // namespace kel
