// Value texts of the data exports: format patterns and the general format.
#include <gtest/gtest.h>

#include <limits>

#include "persist/Unicode.h"
#include "store/export/NumberFormat.h"

namespace kel {
namespace {

TEST(NumberFormatTest, GeneralFormat) {
  struct Case {
    double value;
    const char* point;
    const char* comma;
  };
  const Case cases[] = {
      {12.5, "12.5", "12,5"},
      {3, "3", "3"},
      {0.1, "0.1", "0,1"},
      {-2.25, "-2.25", "-2,25"},
      {0, "0", "0"},
      {0.00001, "0.00001", "0,00001"},
      {-0.0000123, "-0.0000123", "-0,0000123"},
      {0.000001, "1E-6", "1E-6"},
      {123456789012345, "123456789012345", "123456789012345"},
      {1234567890123456, "1.23456789012346E15", "1,23456789012346E15"},
      {1.0 / 3, "0.333333333333333", "0,333333333333333"},
      {std::numeric_limits<double>::infinity(), "INF", "INF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.point);
    EXPECT_EQ(Utf16ToUtf8(FormatGeneralNumber(c.value, u'.')), c.point);
    EXPECT_EQ(Utf16ToUtf8(FormatGeneralNumber(c.value, u',')), c.comma);
  }
}

TEST(NumberFormatTest, Patterns) {
  struct Case {
    const char* pattern;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"0.00", 2, "2.00"},
      {"0.0", 10, "10.0"},
      {"0.00", 0.125, "0.13"},
      {"0.00", -0.001, "0.00"},
      {"#.##", 0.5, ".5"},
      {"0.##", 2, "2"},
      {"0.0#", 1.25, "1.25"},
      {"000", 7, "007"},
      {"#", 0, ""},
      {"#,##0.00", 1234567.891, "1,234,567.89"},
      {"#,##0", -1234, "-1,234"},
      {"0", 12345, "12345"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.0E-0", 0.00012, "1.2E-4"},
      {"0.0E-0", 1200, "1.2E3"},
      {"'$'0.00", 3.5, "$3.50"},
      {"0.0 \"kg\"", 3.25, "3.3 kg"},
      {"0.0;(0.0)", -3.25, "(3.3)"},
      {"0.0;(0.0);'zero'", 0, "zero"},
      {"0.0;;'zero'", -1, "-1.0"},
      {";", 4.5, "4.5"},
      {"0.00", 1e20, "1E20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " / " + std::to_string(c.value));
    EXPECT_EQ(Utf16ToUtf8(FormatFloat(Utf8ToUtf16(c.pattern), c.value, SeparatorsFor(u'.'))),
              c.expected);
  }
}

TEST(NumberFormatTest, LocaleSeparators) {
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5, SeparatorsFor(u',')), u"1.234,50");
  EXPECT_EQ(FormatFloat(u"0.00", 2, SeparatorsFor(u',')), u"2,00");
}

}  // namespace
}  // namespace kel
