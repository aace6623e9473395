// The documents the converter writes of a chart's series values, by format,
// each with the converter's settings.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kel {

class Locale;
class TCustomChart;
class TSeriesData;

enum class TExportFormat { Xml, Text, Html, Json, Xls };

struct TExportFormatInfo {
  TExportFormat Format;
  std::string_view Name;       // as given on the command line
  std::string_view Extension;  // of the document's file, without the dot
};

// Every format, in the order xml, text, html, json, xls.
const std::vector<TExportFormatInfo>& ExportFormats();
// The format of a name, compared exactly; none for an unknown name.
std::optional<TExportFormatInfo> ExportFormatNamed(std::string_view name);

// An exporter of every series of the chart with the converter's settings:
// header, colours, index and labels; the text export with the tab and no
// quotes, the HTML export with labels for every series, the JSON export with
// time stamps.
std::unique_ptr<TSeriesData> CreateConverterExport(TCustomChart& chart, TExportFormat format);
std::unique_ptr<TSeriesData> CreateConverterExport(TCustomChart& chart,
                                                   TExportFormat format,
                                                   const Locale& locale);

}  // namespace kel
