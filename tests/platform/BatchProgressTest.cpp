#include <gtest/gtest.h>

#include "platform/BatchProgress.h"

namespace kel {
namespace {

TEST(BatchProgressTextTest, CountsAndNamesTheFile) {
  EXPECT_EQ(BatchProgressText(2, 5, u"sales.kel"), u"Converting file 2 of 5\nsales.kel");
  EXPECT_EQ(BatchProgressText(1, 1, u"ü.kel"), u"Converting file 1 of 1\nü.kel");
}

}  // namespace
}  // namespace kel
