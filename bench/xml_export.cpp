// The XML values document of a large chart: 10 line series of 1,000,000
// points each (X and Y values, so both are written), saved with the
// converter's settings into a stream that drops the bytes. Prints
// nanoseconds per value written.
//
// Usage: bench_xml_export [POINTS_PER_SERIES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "bench/LineSeriesChart.h"
#include "model/catalogue/Registration.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/chart/Chart.h"
#include "persist/Stream.h"
#include "platform/Locale.h"
#include "store/export/SeriesDataXml.h"

namespace {

constexpr int kDefaultPointsPerSeries = 1'000'000;

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

}  // namespace

int main(int argc, char** argv) {
  const int pointsPerSeries = argc > 1 ? std::atoi(argv[1]) : kDefaultPointsPerSeries;
  kel::RegisterModelClasses();
  kel::TChart chart(nullptr);
  kel::bench::AddLineSeries(chart, pointsPerSeries);
  const kel::FixedLocale locale(u'.', "en");
  double best = 1e30;
  double bestCpu = 1e30;
  int64_t bytes = 0;
  // Best of three against the noise of a shared machine.
  for (int round = 0; round < 3; ++round) {
    kel::TSeriesDataXML exporter(&chart, nullptr, locale);
    exporter.IncludeColors = true;
    exporter.IncludeIndex = true;
    CountingStream stream;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    exporter.SaveToStream(stream);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = std::min(best, seconds);
    bestCpu = std::min(bestCpu, cpuSeconds);
    bytes = stream.Bytes();
  }
  const double values = 2.0 * kel::bench::kSeriesCount * pointsPerSeries;
  // Processor time beside wall-clock time: on a shared machine the first
  // also counts the time other programs had the processor.
  std::printf(
      "%.0f values, %.1f MB of XML: %.1f ns per value written (goal <= 150), %.1f ns of "
      "processor time\n",
      values, bytes / 1e6, best * 1e9 / values, bestCpu * 1e9 / values);
  return 0;
}
