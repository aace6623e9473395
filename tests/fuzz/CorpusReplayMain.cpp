// Replays fuzz inputs through a fuzz target's entry point outside the fuzzer:
// each argument is an input file or a folder of them (its files in name
// order). Prints each input before it runs, so that a crash names it. Fails
// when there is nothing to replay, so that a missing corpus does not pass.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> InputFiles(const std::filesystem::path& path) {
  if (!std::filesystem::is_directory(path)) return {path};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& file : InputFiles(argv[i])) {
      std::ifstream in(file, std::ios::binary);
      if (!in) {
        std::cerr << "cannot read " << file.string() << "\n";
        return 1;
      }
      const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
      std::cout << "replaying " << file.string() << " (" << bytes.size() << " bytes)" << std::endl;
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  if (replayed == 0) {
    std::cerr << "no inputs to replay\n";
    return 1;
  }
  std::cout << "replayed " << replayed << " inputs\n";
  return 0;
}
