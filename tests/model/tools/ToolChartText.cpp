#include "tests/model/tools/ToolChartText.h"

#include "model/chart/Chart.h"
#include "persist/BinaryToText.h"
#include "persist/Reader.h"
#include "persist/Stream.h"
#include "persist/TextToBinary.h"
#include "persist/Writer.h"

namespace kel::test {

namespace {

constexpr int kBufferSize = 4096;

}  // namespace

std::vector<std::string> ReadChartText(TCustomChart& chart, std::string_view text) {
  TMemoryStream input;
  input.Write(text.data(), static_cast<int64_t>(text.size()));
  input.SetPosition(0);
  TMemoryStream binary;
  ComponentTextToBinary(input, binary);
  binary.SetPosition(0);
  std::vector<std::string> warnings;
  TReader reader(binary, kBufferSize);
  reader.OnError = [&warnings](TReader&, const std::string& message, bool& handled) {
    warnings.push_back(message);
    handled = true;
  };
  reader.ReadRootComponent(chart);
  return warnings;
}

std::string ChartText(TCustomChart& chart) {
  TMemoryStream binary;
  {
    TWriter writer(binary, kBufferSize);
    writer.WriteRootComponent(chart);
    writer.FlushBuffer();
  }
  binary.SetPosition(0);
  TMemoryStream text;
  ComponentBinaryToText(binary, text);
  return {reinterpret_cast<const char*>(text.Memory()), static_cast<size_t>(text.Size())};
}

std::string ChildrenText(TCustomChart& chart) {
  std::string text;
  for (const char c : ChartText(chart)) {
    if (c != '\r') text += c;
  }
  const size_t first = text.find("\n  object ");
  if (first == std::string::npos) return {};
  // Up to the chart's own "end" line.
  return text.substr(first + 1, text.size() - 4 - (first + 1));
}

}  // namespace kel::test
