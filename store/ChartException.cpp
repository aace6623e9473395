#include "store/ChartException.h"

#include "store/ChartFile.h"

namespace kel {

// The messages name the default extension, so they are built from it once.

const std::string& EmptyChartFileMessage() {
  static const std::string message = "Empty *." + std::string(ChartFileExtension) + " file";
  return message;
}

const std::string& WrongChartFileFormatMessage() {
  static const std::string message = "Wrong *." + std::string(ChartFileExtension) + " file format";
  return message;
}

const std::string& InvalidChartMessage() {
  static const std::string message =
      "Invalid Chart in *." + std::string(ChartFileExtension) + " file";
  return message;
}

}  // namespace kel
