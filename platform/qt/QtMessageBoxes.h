// The informational message box and the failure report as Qt message boxes
// titled with the application's title.
#pragma once

#include "platform/FailureReport.h"
#include "platform/MessageBox.h"

namespace kel {

class QtMessageBox : public MessageBox {
 public:
  void Show(const std::u16string& text) override;
};

class QtFailureReport : public FailureReport {
 public:
  void Show(std::u16string_view message) override;
};

}  // namespace kel
