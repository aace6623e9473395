// The file-open chooser as a Qt file dialog.
#pragma once

#include <QFileDialog>
#include <QStringList>

#include "platform/FileOpenDialog.h"

namespace kel {

class QtFileOpenDialog : public FileOpenDialog {
 public:
  QtFileOpenDialog();

  void AddFileType(const std::u16string& displayName, const std::u16string& mask) override;
  void SetOptions(uint32_t options) override { FOptions = options; }
  bool Execute() override;
  std::string FileName() const override { return FFileName; }

  // The dialog as Execute will show it, for inspection.
  QFileDialog& Dialog() { return FDialog; }
  // Applies the file types and options to the dialog.
  void Prepare();

 private:
  QFileDialog FDialog;
  QStringList FFileTypes;
  uint32_t FOptions = 0;
  std::string FFileName;
};

}  // namespace kel
