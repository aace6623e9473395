// Each document of the converter, written for small charts and compared
// byte for byte with the files in tests/data/export: NAME.tsv, NAME.html,
// NAME.json and NAME.xls.hex (the spreadsheet's records in hexadecimal, one
// per line, '#' starting a comment line).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "persist/Stream.h"
#include "store/export/ChartExports.h"
#include "store/export/ExportData.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The records of a spreadsheet file as hexadecimal lines, as the golden
// files hold them.
std::string RecordLines(const std::string& bytes) {
  std::ostringstream out;
  for (size_t at = 0; at + 4 <= bytes.size();) {
    const size_t length = static_cast<uint8_t>(bytes[at + 2]) |
                          static_cast<size_t>(static_cast<uint8_t>(bytes[at + 3])) << 8;
    const size_t end = std::min(bytes.size(), at + 4 + length);
    for (size_t i = at; i < end; ++i) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<uint8_t>(bytes[i]);
      out << (i == at ? "" : " ") << kHex[byte >> 4] << kHex[byte & 0xF];
    }
    out << '\n';
    at = end;
  }
  return out.str();
}

std::string WithoutComments(const std::string& text) {
  std::istringstream in(text);
  std::string result;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') result += line + '\n';
  }
  return result;
}

class ExportGoldenTest : public ExportChartTest {
 protected:
  std::string Saved(TExportFormat format) {
    const std::unique_ptr<TSeriesData> exporter = CreateConverterExport(FChart, format, FPoint);
    TMemoryStream stream;
    exporter->SaveToStream(stream);
    return {stream.Bytes().begin(), stream.Bytes().end()};
  }

  void ExpectGoldenDocuments(const std::string& name) {
    const std::string base = KEL_TEST_DATA "/export/" + name;
    EXPECT_EQ(Saved(TExportFormat::Text), FileText(base + ".tsv"));
    EXPECT_EQ(Saved(TExportFormat::Html), FileText(base + ".html"));
    const std::string json = Saved(TExportFormat::Json);
    EXPECT_EQ(json, FileText(base + ".json"));
    EXPECT_EQ(PythonReads("json", json).rfind("rejected", 0), std::string::npos);
    EXPECT_EQ(RecordLines(Saved(TExportFormat::Xls)), WithoutComments(FileText(base + ".xls.hex")));
  }
};

TEST_F(ExportGoldenTest, TwoSeriesOfDifferentLengthsWithLabelsAndColours) {
  BuildSalesChart();
  ExpectGoldenDocuments("sales");
}

TEST_F(ExportGoldenTest, HorizontalSeriesWithANullPoint) {
  BuildHorizontalChart();
  ExpectGoldenDocuments("horizontal");
}

}  // namespace
}  // namespace kel::test
