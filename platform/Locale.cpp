// The environment's locale, read through a private locale object.
#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>

#include "platform/Utf.h"

namespace kel {

namespace {

// The first set variable among LC_ALL, `category` and LANG, as setlocale
// would choose it.
std::string LocaleNameFor(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

char16_t ReadDecimalSeparator() {
  char16_t separator = u'.';
  locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (numeric == static_cast<locale_t>(0)) return separator;  // unknown locale name
  const std::u16string radix = Utf8ToUtf16(nl_langinfo_l(RADIXCHAR, numeric));
  if (!radix.empty()) separator = radix.front();
  freelocale(numeric);
  return separator;
}

class EnvironmentLocale : public Locale {
 public:
  EnvironmentLocale()
      : FDecimalSeparator(ReadDecimalSeparator()),
        FPrimaryLanguage(LanguageOfLocaleName(LocaleNameFor("LC_MESSAGES"))) {}

  char16_t DecimalSeparator() const override { return FDecimalSeparator; }
  std::string PrimaryLanguage() const override { return FPrimaryLanguage; }

 private:
  char16_t FDecimalSeparator;
  std::string FPrimaryLanguage;
};

}  // namespace

std::unique_ptr<Locale> CreateEnvironmentLocale() {
  return std::make_unique<EnvironmentLocale>();
}

const Locale& SystemLocale() {
  static const std::unique_ptr<Locale> locale = CreateEnvironmentLocale();
  return *locale;
}

std::string LanguageOfLocaleName(std::string_view localeName) {
  const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
  if (language == "C" || language == "POSIX") return "";
  std::string code;
  for (char c : language) code += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return code;
}

}  // namespace kel
