// The text form of a binary component stream: one line per record header and
// property, values rendered as the text parser reads them back.
#pragma once

#include "persist/Stream.h"

namespace kel {

// Reads a signature and one object record from `input` (at its position) and
// appends their text form to `output`: CR LF line ends, two spaces per level,
// preceded by a UTF-8 byte order mark when a name needs non-ASCII UTF-8. The
// whole record is checked before any text goes out, so `output` receives
// nothing on failure. A text of a few megabytes at most is collected in memory
// and written at once; a larger one is written in pieces while the record is
// read a second time. The input is left standing right after the record.
void ComponentBinaryToText(TStream& input, TStream& output);
// The same in a single pass, for input that cannot be read twice: the text
// goes to `output` in pieces as it comes, so a bad record leaves part of its
// text there. The byte order mark is written first when asked for; returns
// whether the text needs one.
bool ComponentBinaryToTextInOnePass(TStream& input, TStream& output, bool withByteOrderMark);

// Deepest nesting of object records, lists and collections that the text
// conversions accept. Real streams stay far below it; the bound keeps corrupt
// input from exhausting the call stack or multiplying the indentation.
inline constexpr int kMaxStreamNesting = 64;
inline constexpr const char* kSNestingTooDeep = "Nesting too deep";

}  // namespace kel
