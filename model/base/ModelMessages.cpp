#include "model/base/ModelMessages.h"

#include "platform/MessageBox.h"

namespace kel {

namespace {
MessageBox* gMessageBox = nullptr;
}

void SetModelMessageBox(MessageBox* box) {
  gMessageBox = box;
}

void ShowModelMessage(const std::u16string& text) {
  if (gMessageBox != nullptr) gMessageBox->Show(text);
}

}  // namespace kel
