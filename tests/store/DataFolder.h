// Test cases taken from the files of a test data folder: the names of the
// cases, read from the file names, and reading a case's file so that a
// missing one fails the test with its path.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "tests/platform/TempFolder.h"

namespace kel::test {

// The names NAME of the files NAME<suffix> in the folder, for any of the
// suffixes, sorted and each once.
inline std::vector<std::string> DataFileStems(const std::string& folder,
                                              std::initializer_list<const char*> suffixes) {
  std::set<std::string> stems;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    for (const std::string suffix : suffixes) {
      if (name.size() > suffix.size() && name.ends_with(suffix)) {
        stems.insert(name.substr(0, name.size() - suffix.size()));
      }
    }
  }
  return {stems.begin(), stems.end()};
}

// A test name made of the file name: letters and digits kept, anything else
// turned into '_'.
inline std::string DataFileTestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
  return name;
}

// Reads folder/name into bytes; fails when there is no such file.
inline ::testing::AssertionResult ReadDataFile(const std::string& folder,
                                               const std::string& name,
                                               std::string& bytes) {
  const std::string path = folder + "/" + name;
  if (!std::filesystem::is_regular_file(path)) {
    return ::testing::AssertionFailure() << "missing test data file " << path;
  }
  bytes = ReadFile(path);
  return ::testing::AssertionSuccess();
}

}  // namespace kel::test
