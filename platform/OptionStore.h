// The small per-user option store read by the chart constructor
// ("DefaultCanvas", "DefaultPalette").
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kel {

class OptionStore {
 public:
  virtual ~OptionStore() = default;

  // The value stored under `name` (compared exactly), or nothing.
  virtual std::optional<std::u16string> ReadString(std::u16string_view name) const = 0;
  // The value as a decimal integer; nothing when absent or not a number.
  std::optional<int32_t> ReadInteger(std::u16string_view name) const;
};

// A store with the given values; with none, every option falls back to its
// default.
class MemoryOptionStore : public OptionStore {
 public:
  MemoryOptionStore() = default;
  explicit MemoryOptionStore(std::map<std::u16string, std::u16string, std::less<>> values)
      : FValues(std::move(values)) {}

  std::optional<std::u16string> ReadString(std::u16string_view name) const override;

 private:
  std::map<std::u16string, std::u16string, std::less<>> FValues;
};

// The user's store: lines "Name=Value" (UTF-8) in
// $XDG_CONFIG_HOME/kelchart/options, or ~/.config/kelchart/options. A missing
// or unreadable file is an empty store; lines without '=' are ignored.
std::unique_ptr<OptionStore> LoadUserOptionStore();
// Parses the text of such a file.
std::unique_ptr<OptionStore> ParseOptionStore(std::string_view text);

// The process-wide store the chart reads. It is empty until the program
// installs the user's store at start-up, so that tests never depend on the
// user's settings.
const OptionStore& UserOptions();
void SetUserOptions(std::unique_ptr<OptionStore> store);

}  // namespace kel
