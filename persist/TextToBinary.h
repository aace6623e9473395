// The binary component stream of a text form: the reverse of
// ComponentBinaryToText.
#pragma once

#include "persist/Stream.h"

namespace kel {

// Parses one object (with its properties and children) from the text at
// `input`'s position and appends its binary stream, signature first, to
// `output`. The text after the root's final "end" is not examined; the input
// is left standing right after it. Errors are EParserError "MESSAGE on line N";
// the binary is built in memory first, so `output` receives nothing then.
void ComponentTextToBinary(TStream& input, TStream& output);

}  // namespace kel
