#include "platform/OptionStore.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/Utf.h"

namespace kel {

namespace {

std::unique_ptr<OptionStore>& InstalledStore() {
  static std::unique_ptr<OptionStore> store = std::make_unique<MemoryOptionStore>();
  return store;
}

std::string UserOptionFile() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
    return std::string(config) + "/kelchart/options";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::string(home) + "/.config/kelchart/options";
  }
  return "";
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<int32_t> OptionStore::ReadInteger(std::u16string_view name) const {
  const std::optional<std::u16string> text = ReadString(name);
  if (!text) return std::nullopt;
  const std::string digits = Utf16ToUtf8(*text);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::u16string> MemoryOptionStore::ReadString(std::u16string_view name) const {
  const auto found = FValues.find(name);
  if (found == FValues.end()) return std::nullopt;
  return found->second;
}

std::unique_ptr<OptionStore> ParseOptionStore(std::string_view text) {
  std::map<std::u16string, std::u16string, std::less<>> values;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    values[Utf8ToUtf16(Trimmed(line.substr(0, equals)))] =
        Utf8ToUtf16(Trimmed(line.substr(equals + 1)));
  }
  return std::make_unique<MemoryOptionStore>(std::move(values));
}

std::unique_ptr<OptionStore> LoadUserOptionStore() {
  const std::string fileName = UserOptionFile();
  std::ifstream file;
  if (!fileName.empty()) file.open(fileName, std::ios::binary);
  if (!file) return std::make_unique<MemoryOptionStore>();
  std::ostringstream text;
  text << file.rdbuf();
  return ParseOptionStore(text.str());
}

const OptionStore& UserOptions() {
  return *InstalledStore();
}

void SetUserOptions(std::unique_ptr<OptionStore> store) {
  InstalledStore() = store ? std::move(store) : std::make_unique<MemoryOptionStore>();
}

}  // namespace kel
