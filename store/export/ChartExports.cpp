#include "store/export/ChartExports.h"

#include "platform/Locale.h"
#include "store/export/SeriesDataHtml.h"
#include "store/export/SeriesDataJson.h"
#include "store/export/SeriesDataText.h"
#include "store/export/SeriesDataXls.h"
#include "store/export/SeriesDataXml.h"

namespace kel {
namespace {

std::unique_ptr<TSeriesData> CreateExport(TCustomChart& chart,
                                          TExportFormat format,
                                          const Locale& locale) {
  switch (format) {
    case TExportFormat::Xml:
      return std::make_unique<TSeriesDataXML>(&chart, nullptr, locale);
    case TExportFormat::Text:
      return std::make_unique<TSeriesDataText>(&chart, nullptr, locale);
    case TExportFormat::Html:
      return std::make_unique<TSeriesDataHTML>(&chart, nullptr, locale);
    case TExportFormat::Json:
      return std::make_unique<TSeriesDataJSON>(&chart, nullptr, locale);
    case TExportFormat::Xls:
      break;
  }
  return std::make_unique<TSeriesDataXLS>(&chart, nullptr, locale);
}

}  // namespace

const std::vector<TExportFormatInfo>& ExportFormats() {
  static const std::vector<TExportFormatInfo> formats = {
      {TExportFormat::Xml, "xml", "xml"},    {TExportFormat::Text, "text", "tsv"},
      {TExportFormat::Html, "html", "html"}, {TExportFormat::Json, "json", "json"},
      {TExportFormat::Xls, "xls", "xls"},
  };
  return formats;
}

std::optional<TExportFormatInfo> ExportFormatNamed(std::string_view name) {
  for (const TExportFormatInfo& info : ExportFormats()) {
    if (info.Name == name) return info;
  }
  return std::nullopt;
}

std::unique_ptr<TSeriesData> CreateConverterExport(TCustomChart& chart, TExportFormat format) {
  return CreateConverterExport(chart, format, SystemLocale());
}

std::unique_ptr<TSeriesData> CreateConverterExport(TCustomChart& chart,
                                                   TExportFormat format,
                                                   const Locale& locale) {
  std::unique_ptr<TSeriesData> exporter = CreateExport(chart, format, locale);
  exporter->IncludeHeader = true;
  exporter->IncludeColors = true;
  exporter->IncludeIndex = true;
  exporter->IncludeLabels = true;
  return exporter;
}

}  // namespace kel
