// The user's locale as the data exports need it: the decimal separator of
// number texts and the system's primary language.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kel {

class Locale {
 public:
  virtual ~Locale() = default;

  virtual char16_t DecimalSeparator() const = 0;
  // The ISO 639 code of the primary language in lower case ("en", "ja"), or
  // empty for the neutral C locale.
  virtual std::string PrimaryLanguage() const = 0;

  bool IsJapanese() const { return PrimaryLanguage() == "ja"; }
};

// Fixed settings, for tests and for output that must not depend on the user.
class FixedLocale : public Locale {
 public:
  FixedLocale(char16_t decimalSeparator, std::string primaryLanguage)
      : FDecimalSeparator(decimalSeparator), FPrimaryLanguage(std::move(primaryLanguage)) {}

  char16_t DecimalSeparator() const override { return FDecimalSeparator; }
  std::string PrimaryLanguage() const override { return FPrimaryLanguage; }

 private:
  char16_t FDecimalSeparator;
  std::string FPrimaryLanguage;
};

// The settings of the process environment (LC_ALL, LC_NUMERIC, LC_MESSAGES,
// LANG) at the time of the call. The process's own C locale is left
// untouched, so number parsing elsewhere keeps using '.'. A locale that is
// not installed gives '.'.
std::unique_ptr<Locale> CreateEnvironmentLocale();
// The environment's settings, read on first use.
const Locale& SystemLocale();

// The language code of a POSIX locale name: "ja_JP.UTF-8" gives "ja"; "C",
// "POSIX" and "" give "".
std::string LanguageOfLocaleName(std::string_view localeName);

}  // namespace kel
