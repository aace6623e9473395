#include <gtest/gtest.h>

#include <cmath>

#include "platform/Utf.h"
#include "store/export/DateTimeText.h"

namespace kel {
namespace {

TEST(DateTimeTextTest, DateAndTimeOfDay) {
  const std::pair<double, const char*> cases[] = {
      {0, "1899-12-30"},
      {45000, "2023-03-15"},
      {45000.5, "2023-03-15 12:00:00"},
      {45000.99999999, "2023-03-16"},  // rounds up to the next midnight
      {-1.25, "1899-12-29 06:00:00"},
      {-693593, "0001-01-01"},
      {2958465.75, "9999-12-31 18:00:00"},
      {3e6, "3000000"},
      {NAN, "NAN"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(Utf16ToUtf8(DateTimeText(value)), text) << value;
  }
}

}  // namespace
}  // namespace kel
