// The window's services on the real platform: Qt choosers, message boxes and
// progress dialog, and the file system's directory search.
#pragma once

#include "app/FormServices.h"

namespace kel {

// `convertChartFile` is the conversion of one file (kel::ConvertChartFile).
FormServices QtFormServices(
    std::function<void(const std::string& path, bool includeData)> convertChartFile);

}  // namespace kel
