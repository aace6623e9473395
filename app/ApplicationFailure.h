// The application's handling of failures that leave an event handler: the
// failure's message goes to the failure report and the window carries on.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "platform/FailureReport.h"

namespace kel {

// The message of a caught failure, as UTF-16.
std::u16string FailureMessage(const std::exception_ptr& failure);

// Runs `handler`; a failure leaving it is shown by `report` instead of
// unwinding into the window system's event loop.
void RunEventHandler(FailureReport& report, const std::function<void()>& handler);

}  // namespace kel
