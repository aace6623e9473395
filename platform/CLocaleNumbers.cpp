#include "platform/CLocaleNumbers.h"

#include <locale.h>

#include <cstdlib>

namespace kel {

long double ParseLongDoubleC(const std::string& text) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  return strtold_l(text.c_str(), nullptr, cLocale);
}

}  // namespace kel
