// A chart with series for the data export tests, and the XML parser check
// that every document the tests write must pass.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "model/catalogue/Registration.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/chart/Chart.h"
#include "model/standard/BarSeries.h"
#include "model/standard/LineSeries.h"
#include "platform/Locale.h"
#include "tests/platform/TempFolder.h"

namespace kel::test {

class ExportChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // A series of class T owned by and attached to the chart.
  template <class T>
  T* AddSeries(const std::u16string& name = {}) {
    auto* series = new T(&FChart);
    series->SetName(name);
    series->SetParentChart(&FChart);
    return series;
  }

  // A sales chart: a line series with labelled points and a bar series, the
  // chart most export tests write.
  void BuildSalesChart() {
    FSales = AddSeries<TLineSeries>(u"Series1");
    FSales->SetTitle(u"Sales");
    FSales->SetSeriesColor(TColor(0x0000FF));
    FSales->AddXY(0, 10, u"Jan");
    FSales->AddXY(1, 12.5, u"Feb");
    FSales->AddXY(2, 9, u"Mar");
    FBars = AddSeries<TBarSeries>(u"Series2");
    FBars->SetSeriesColor(TColor(0x008000));
    FBars->AddXY(0, 5);
    FBars->AddXY(1, 7);
  }

  // A horizontal bar series whose positions are not the plain index, with
  // labels and a null point.
  void BuildHorizontalChart() {
    auto* speed = AddSeries<THorizBarSeries>(u"Series1");
    speed->SetTitle(u"Speed");
    speed->SetSeriesColor(TColor(0xFF0000));
    speed->AddXY(4, 1, u"a");
    speed->AddNullXY(8, 2, u"gap");
    speed->AddXY(6.5, 3, u"c");
  }

  // What Python's parser reads in the document (read_document.py): the
  // JSON printed back, or the cell count of each HTML row; "rejected: " and
  // the reason when it fails.
  std::string PythonReads(const std::string& kind, const std::string& bytes) {
    const std::string file = FFolder / ("document." + kind);
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string report = FFolder / "read.txt";
    const int status =
        std::system(("python3 '" KEL_TEST_DATA "/../store/export/read_document.py' " + kind + " '" +
                     file + "' > '" + report + "' 2>&1")
                        .c_str());
    std::ifstream in(report);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return status == 0 ? text : "rejected: " + text;
  }

  // xmllint's verdict on the bytes: empty when well-formed, else its
  // complaint.
  std::string XmlLintErrors(const std::string& bytes) {
    const std::string file = FFolder / "lint.xml";
    std::ofstream(file, std::ios::binary) << bytes;
    const std::string report = FFolder / "lint.txt";
    const int status =
        std::system(("xmllint --noout '" + file + "' > '" + report + "' 2>&1").c_str());
    if (status == 0) return {};
    std::ifstream in(report);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.empty() ? "xmllint failed" : text;
  }

  FixedLocale FPoint{u'.', "en"};
  FixedLocale FComma{u',', "de"};
  FixedLocale FJapanese{u'.', "ja"};
  TChart FChart{nullptr};
  TLineSeries* FSales = nullptr;
  TBarSeries* FBars = nullptr;
  TempFolder FFolder;
};

}  // namespace kel::test
