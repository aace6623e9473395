// The modal file-open chooser: one file or, with the pick-folders option,
// one folder.
#pragma once

#include <cstdint>
#include <string>

namespace kel {

// Option bit: the chooser returns a folder instead of a file.
inline constexpr uint32_t fdoPickFolders = 8;

class FileOpenDialog {
 public:
  virtual ~FileOpenDialog() = default;

  // Adds a file type to the chooser's list, e.g. "KelChart template", "*.kel".
  virtual void AddFileType(const std::u16string& displayName, const std::u16string& mask) = 0;
  virtual void SetOptions(uint32_t options) = 0;
  // Shows the chooser and waits; true when the user confirmed a choice.
  virtual bool Execute() = 0;
  // The chosen file or folder as a platform path.
  virtual std::string FileName() const = 0;
};

}  // namespace kel
