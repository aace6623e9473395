// Inputs that once broke, or that probe the limits of, the conversion to
// text, one test per file NAME.kel of the fuzz folder of the test data: each
// must convert, or, where the folder has NAME.error.txt, fail with exactly the
// message that file holds; never crash. empty-indent.kel was found by
// fuzzing: its first line, at level 0, has an empty indent, which once reached
// the text buffer before the buffer had any room.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persist/Exceptions.h"
#include "store/ChartFile.h"
#include "tests/store/DataFolder.h"

namespace kel {
namespace {

const std::string kFuzzData = std::string(KEL_TEST_DATA) + "/fuzz";
const char* const kInputSuffix = ".kel";
const char* const kErrorSuffix = ".error.txt";

class FuzzRegressionTest : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzRegressionTest, ConvertsOrEndsInItsMessage) {
  std::string bytes, expectedMessage;
  ASSERT_TRUE(test::ReadDataFile(kFuzzData, GetParam() + kInputSuffix, bytes));
  ASSERT_FALSE(bytes.empty());
  if (std::filesystem::exists(kFuzzData + "/" + GetParam() + kErrorSuffix)) {
    ASSERT_TRUE(test::ReadDataFile(kFuzzData, GetParam() + kErrorSuffix, expectedMessage));
    if (expectedMessage.ends_with('\n')) expectedMessage.pop_back();
    ASSERT_FALSE(expectedMessage.empty());
  }
  TMemoryStream input(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  TMemoryStream output;
  std::string message;
  try {
    ChartBinaryToText(input, output);
  } catch (const Exception& e) {
    message = e.what();
  }
  EXPECT_EQ(message, expectedMessage);
  if (!expectedMessage.empty()) {
    EXPECT_EQ(output.Size(), 0);
  }
}

// Every input and every message file, so that a message without its input fails.
INSTANTIATE_TEST_SUITE_P(Data,
                         FuzzRegressionTest,
                         ::testing::ValuesIn(test::DataFileStems(kFuzzData,
                                                                 {kInputSuffix, kErrorSuffix})),
                         test::DataFileTestName);

}  // namespace
}  // namespace kel
