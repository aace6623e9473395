#include <gtest/gtest.h>

#include "tests/persist/ComponentStreams.h"
#include "tests/persist/TestModel.h"

namespace kel::testmodel {
namespace {

TEST(RoundTrip, WriteTextReadWriteGivesTheSameBytes) {
  RegisterTestClasses();
  TTestRoot original(nullptr);
  FillSample(original);
  const std::vector<uint8_t> written = test::WriteRoot(original);
  const std::string text = test::AsText(written);

  TTestRoot reloaded(nullptr);
  EXPECT_TRUE(test::ReadRoot(reloaded, test::FromText(text), false).errors.empty());
  EXPECT_EQ(test::WriteRoot(reloaded), written);
  EXPECT_EQ(reloaded.ComponentCount(), 2);
}

TEST(RoundTrip, AFreshRootReloadsToItself) {
  RegisterTestClasses();
  TTestRoot original(nullptr);
  const std::vector<uint8_t> written = test::WriteRoot(original);
  TTestRoot reloaded(nullptr);
  test::ReadRoot(reloaded, written, false);
  EXPECT_EQ(test::WriteRoot(reloaded), written);
}

}  // namespace
}  // namespace kel::testmodel
