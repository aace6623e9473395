// The chart subsystem's exception and its messages.
#pragma once

#include <string>

#include "persist/Exceptions.h"

namespace kel {

class ChartException : public Exception {
 public:
  explicit ChartException(const std::string& message) : Exception(message) {}
};

// "Empty *.kel file": a chart is loaded from an empty stream.
const std::string& EmptyChartFileMessage();
// "Wrong *.kel file format": a stream in neither chart form.
const std::string& WrongChartFileFormatMessage();
// "Invalid Chart in *.kel file": a load is asked for without a chart.
const std::string& InvalidChartMessage();

}  // namespace kel
