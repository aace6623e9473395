// Numbers read in the "C" locale, whatever locale the process runs in.
#pragma once

#include <string>

namespace kel {

// strtold in the "C" locale: decimal point '.', and the wider range of long
// double, so that callers can tell a value that underflows from one that
// overflows.
long double ParseLongDoubleC(const std::string& text);

}  // namespace kel
