// Where the chart model shows the few messages it gives while reading (the
// application passes its message box; without one they are dropped).
#pragma once

#include <string>

namespace kel {

class MessageBox;

// box is not owned and must outlive its use; null drops the messages.
void SetModelMessageBox(MessageBox* box);
void ShowModelMessage(const std::u16string& text);

}  // namespace kel
