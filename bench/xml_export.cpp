// The value documents of a large chart in every export format: 10 line
// series of 1,000,000 points each (X and Y values, so both are written;
// the spreadsheet, which holds 65,536 rows, gets 65,535 points per series),
// saved with the converter's settings into a stream that drops the bytes.
// Prints nanoseconds per value written for each format.
//
// Usage: bench_xml_export [POINTS_PER_SERIES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "bench/LineSeriesChart.h"
#include "model/catalogue/Registration.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/chart/Chart.h"
#include "persist/Stream.h"
#include "platform/Locale.h"
#include "store/export/ChartExports.h"
#include "store/export/ExportData.h"

namespace {

constexpr int kDefaultPointsPerSeries = 1'000'000;
// The most points per series a sheet with its header row holds.
constexpr int kSheetPointsPerSeries = 65'535;
constexpr int kRounds = 3;

// Counts the bytes and keeps none, so that only the export is measured.
class CountingStream : public kel::TStream {
 public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t count) override {
    FBytes += count;
    return count;
  }
  int64_t Seek(int64_t, kel::TSeekOrigin) override { return FBytes; }
  int64_t Bytes() const { return FBytes; }

 private:
  int64_t FBytes = 0;
};

struct Timing {
  double seconds = 1e30;
  double cpuSeconds = 1e30;
  int64_t bytes = 0;
};

// Best of the rounds against the noise of a shared machine.
Timing Measure(kel::TChart& chart, kel::TExportFormat format, const kel::Locale& locale) {
  Timing best;
  for (int round = 0; round < kRounds; ++round) {
    const std::unique_ptr<kel::TSeriesData> exporter =
        kel::CreateConverterExport(chart, format, locale);
    CountingStream stream;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    exporter->SaveToStream(stream);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best.seconds = std::min(best.seconds, seconds);
    best.cpuSeconds = std::min(best.cpuSeconds, cpuSeconds);
    best.bytes = stream.Bytes();
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int pointsPerSeries = argc > 1 ? std::atoi(argv[1]) : kDefaultPointsPerSeries;
  kel::RegisterModelClasses();
  kel::TChart chart(nullptr);
  kel::bench::AddLineSeries(chart, pointsPerSeries);
  const int sheetPoints = std::min(pointsPerSeries, kSheetPointsPerSeries);
  kel::TChart sheetChart(nullptr);
  kel::bench::AddLineSeries(sheetChart, sheetPoints);
  const kel::FixedLocale locale(u'.', "en");

  for (const kel::TExportFormatInfo& info : kel::ExportFormats()) {
    const bool sheet = info.Format == kel::TExportFormat::Xls;
    const Timing timing = Measure(sheet ? sheetChart : chart, info.Format, locale);
    const double values = 2.0 * kel::bench::kSeriesCount * (sheet ? sheetPoints : pointsPerSeries);
    // Processor time beside wall-clock time: on a shared machine the first
    // also counts the time other programs had the processor.
    std::printf(
        "%-4s %.0f values, %.1f MB: %.1f ns per value written (goal <= 150), %.1f ns of "
        "processor time\n",
        std::string(info.Name).c_str(), values, timing.bytes / 1e6, timing.seconds * 1e9 / values,
        timing.cpuSeconds * 1e9 / values);
  }
  return 0;
}
