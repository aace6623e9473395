#include "tests/model/axes/AxisTestChart.h"

#include "persist/BinaryToText.h"
#include "persist/Reader.h"
#include "persist/TextToBinary.h"
#include "persist/Writer.h"

namespace kel::test {

using C = TAxisTestChart;

KEL_PROPERTIES(
    TAxisTestChart,
    Property(u"BottomAxis", &C::BottomAxis, &C::SetBottomAxis),
    Property(u"DepthAxis", &C::DepthAxis, &C::SetDepthAxis),
    Property(u"DepthTopAxis", &C::DepthTopAxis, &C::SetDepthTopAxis),
    Property(u"CustomAxes", &C::CustomAxes, &C::SetCustomAxes).Stored(&C::IsCustomAxesStored),
    Property(u"LeftAxis", &C::LeftAxis, &C::SetLeftAxis),
    Property(u"RightAxis", &C::RightAxis, &C::SetRightAxis),
    Property(u"TopAxis", &C::TopAxis, &C::SetTopAxis))

TAxisTestChart::TAxisTestChart(TComponent* owner)
    : TComponent(owner),
      FCustomAxes(std::make_unique<TChartCustomAxes>(*this, *this)),
      FStandard(CreateStandardAxes(*FCustomAxes)) {}

TAxisTestChart::~TAxisTestChart() = default;

bool TAxisTestChart::SeriesBounds(const TChartAxis&, double& minimum, double& maximum) {
  if (!Bounds) return false;
  minimum = Bounds->first;
  maximum = Bounds->second;
  return true;
}

std::string ChartText(TAxisTestChart& chart) {
  TMemoryStream binary;
  {
    TWriter writer(binary, kDefaultFilerBufferSize);
    writer.WriteRootComponent(chart);
  }
  binary.SetPosition(0);
  TMemoryStream text;
  ComponentBinaryToText(binary, text);
  std::string result;
  for (uint8_t c : text.Bytes()) {
    if (c != '\r') result += static_cast<char>(c);
  }
  return result;
}

std::string ChartLines(TAxisTestChart& chart) {
  const std::string text = ChartText(chart);
  constexpr std::string_view kHead = "object TAxisTestChart\n";
  constexpr std::string_view kTail = "end\n";
  std::string lines;
  for (size_t start = kHead.size(); start < text.size() - kTail.size();) {
    const size_t end = text.find('\n', start);
    lines += text.substr(start + 2, end + 1 - start - 2);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> LoadChart(TAxisTestChart& chart, std::string_view lines) {
  std::string source = "object TAxisTestChart\n";
  for (size_t start = 0; start < lines.size();) {
    size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    source += "  " + std::string(lines.substr(start, end - start)) + "\n";
    start = end + 1;
  }
  source += "end\n";
  TMemoryStream text(std::vector<uint8_t>(source.begin(), source.end()));
  TMemoryStream binary;
  ComponentTextToBinary(text, binary);
  binary.SetPosition(0);
  std::vector<std::string> errors;
  TReader reader(binary, kDefaultFilerBufferSize);
  reader.OnError = [&errors](TReader&, const std::string& message, bool& handled) {
    errors.push_back(message);
    handled = true;
  };
  reader.ReadRootComponent(chart);
  return errors;
}

}  // namespace kel::test
