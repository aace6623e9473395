#include "platform/qt/QtFileOpenDialog.h"

#include "platform/qt/QtText.h"

namespace kel {

QtFileOpenDialog::QtFileOpenDialog() {
  FDialog.setAcceptMode(QFileDialog::AcceptOpen);
}

void QtFileOpenDialog::AddFileType(const std::u16string& displayName, const std::u16string& mask) {
  FFileTypes << ToQString(displayName) + " (" + ToQString(mask) + ")";
}

void QtFileOpenDialog::Prepare() {
  if (FOptions & fdoPickFolders) {
    FDialog.setFileMode(QFileDialog::Directory);
    FDialog.setOption(QFileDialog::ShowDirsOnly, true);
  } else {
    FDialog.setFileMode(QFileDialog::ExistingFile);
    if (!FFileTypes.isEmpty()) FDialog.setNameFilters(FFileTypes);
  }
}

bool QtFileOpenDialog::Execute() {
  Prepare();
  if (FDialog.exec() != QDialog::Accepted || FDialog.selectedFiles().isEmpty()) return false;
  FFileName = ToPlatformPath(FDialog.selectedFiles().first());
  return true;
}

}  // namespace kel
