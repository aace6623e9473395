#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/Locale.h"

namespace kel {
namespace {

TEST(LocaleTest, LanguageOfLocaleName) {
  struct Case {
    const char* name;
    const char* language;
  } cases[] = {
      {"ja_JP.UTF-8", "ja"}, {"de_DE@euro", "de"}, {"en_US", "en"},
      {"fr", "fr"},          {"JA_JP", "ja"},      {"C", ""},
      {"C.UTF-8", ""},       {"POSIX", ""},        {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LanguageOfLocaleName(c.name), c.language);
  }
}

// Restores the locale variables a test changes.
class EnvironmentLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name, value->c_str(), 1);
      } else {
        unsetenv(name);
      }
    }
  }

  static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LC_NUMERIC", "LANG"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST_F(EnvironmentLocaleTest, LanguageFollowsVariablePrecedence) {
  setenv("LANG", "de_DE.UTF-8", 1);
  EXPECT_EQ(CreateEnvironmentLocale()->PrimaryLanguage(), "de");
  setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
  EXPECT_TRUE(CreateEnvironmentLocale()->IsJapanese());
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(CreateEnvironmentLocale()->PrimaryLanguage(), "");
}

TEST_F(EnvironmentLocaleTest, DecimalSeparatorOfCAndOfUnknownLocale) {
  setenv("LC_ALL", "C", 1);
  EXPECT_EQ(CreateEnvironmentLocale()->DecimalSeparator(), u'.');
  setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  EXPECT_EQ(CreateEnvironmentLocale()->DecimalSeparator(), u'.');
}

TEST(FixedLocaleTest, ReportsItsSettings) {
  const FixedLocale locale(u',', "ja");
  EXPECT_EQ(locale.DecimalSeparator(), u',');
  EXPECT_TRUE(locale.IsJapanese());
}

}  // namespace
}  // namespace kel
