// A fixture holding a chart that new series are put on, with every model
// class registered.
#pragma once

#include <gtest/gtest.h>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"

namespace kel::test {

class SeriesChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  // A series of class T owned by and attached to the chart.
  template <class T>
  T* AddSeries() {
    auto* series = new T(&FChart);
    series->SetParentChart(&FChart);
    return series;
  }

  TChart FChart{nullptr};
};

}  // namespace kel::test
