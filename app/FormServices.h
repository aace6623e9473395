// What the converter window calls outside itself, so that the window's logic
// runs against the real platform in the program and against fakes in tests.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/BatchProgress.h"
#include "platform/DirectorySearch.h"
#include "platform/FailureReport.h"
#include "platform/FileOpenDialog.h"
#include "platform/MessageBox.h"

namespace kel {

struct FormServices {
  std::function<std::unique_ptr<FileOpenDialog>()> CreateFileOpenDialog;
  std::function<std::unique_ptr<DirectorySearch>()> CreateDirectorySearch;
  std::function<std::unique_ptr<BatchProgress>()> CreateBatchProgress;
  std::shared_ptr<MessageBox> Messages;
  // The application's failure report for failures leaving an event handler.
  std::shared_ptr<FailureReport> Failures;
  // The conversion of one chart file: kel::ConvertChartFile in the program.
  std::function<void(const std::string& path, bool includeData)> ConvertChartFile;
};

}  // namespace kel
