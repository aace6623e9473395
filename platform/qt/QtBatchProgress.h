// The folder batch's progress as an application-modal Qt progress dialog.
#pragma once

#include <QProgressDialog>

#include "platform/BatchProgress.h"

namespace kel {

class QtBatchProgress : public BatchProgress {
 public:
  QtBatchProgress();

  void Show(int k, int n, std::u16string_view fileName) override;
  bool Cancelled() override;

  QProgressDialog& Dialog() { return FDialog; }

 private:
  QProgressDialog FDialog;
};

}  // namespace kel
