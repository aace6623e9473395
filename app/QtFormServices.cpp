#include "app/QtFormServices.h"

#include "platform/qt/QtBatchProgress.h"
#include "platform/qt/QtFileOpenDialog.h"
#include "platform/qt/QtMessageBoxes.h"

namespace kel {

FormServices QtFormServices(
    std::function<void(const std::string& path, bool includeData)> convertChartFile) {
  return {
      .CreateFileOpenDialog = [] { return std::make_unique<QtFileOpenDialog>(); },
      .CreateDirectorySearch = [] { return CreateDirectorySearch(); },
      .CreateBatchProgress = [] { return std::make_unique<QtBatchProgress>(); },
      .Messages = std::make_shared<QtMessageBox>(),
      .Failures = std::make_shared<QtFailureReport>(),
      .ConvertChartFile = std::move(convertChartFile),
  };
}

}  // namespace kel
