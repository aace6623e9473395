// Conversion of a large chart end to end: builds a chart of 10 line series
// (X and Y values, no labels), saves it as a binary chart file, runs kelconv
// on it and prints nanoseconds per point and the peak resident memory, at
// 100,000 and at 10,000,000 points, to show that the time grows linearly.
// Then converts, in turns, a line chart, a candle chart and a Gantt chart of
// 1,000,000 points each and compares their nanoseconds per stored value.
//
// Usage: bench_series_scale KELCONV SCRATCH_FOLDER
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/LineSeriesChart.h"
#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/extended/CandleSeries.h"
#include "model/extended/GanttSeries.h"
#include "store/ChartStore.h"

namespace {

struct TRun {
  double Seconds = 0;
  double CpuSeconds = 0;
  long PeakKb = 0;
};

using TChartBuilder = std::function<void(kel::TChart&)>;

// Runs kelconv on path in a child process; its peak resident memory comes
// from the child's own resource usage.
TRun RunKelconv(const std::string& kelconv, const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  // Spawned without copying this process's large address space, which would
  // be timed (and charged to the child) otherwise.
  pid_t child = 0;
  std::string program = kelconv;
  std::string argument = path;
  char* arguments[] = {program.data(), argument.data(), nullptr};
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, arguments, environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", kelconv.c_str());
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  TRun run;
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.PeakKb = usage.ru_maxrss;
  // CPU time as well: on a shared machine the wall time also counts waiting.
  run.CpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "kelconv failed on %s\n", path.c_str());
    std::exit(1);
  }
  return run;
}

// The best of the runs on one chart, with the sizes of its files.
struct TMeasure {
  TRun Best;
  double Points = 0;
  double InputMb = 0;
  double TextMb = 0;
  double XmlMb = 0;

  double NsPerPoint() const { return Best.Seconds * 1e9 / Points; }
};

TMeasure Measure(const std::string& kelconv,
                 const std::filesystem::path& folder,
                 int pointsPerSeries) {
  const std::string base = (folder / ("scale" + std::to_string(pointsPerSeries))).string();
  kel::bench::WriteLineSeriesChartFile(base + ".kel", pointsPerSeries);
  // Best of three runs against the noise of a shared machine; each run
  // writes its outputs anew, as a first conversion does.
  TMeasure measure;
  measure.Best.Seconds = 1e30;
  for (int round = 0; round < 3; ++round) {
    std::filesystem::remove(base + ".txt");
    std::filesystem::remove(base + ".xml");
    // What the machine still has to write back is not kelconv's time.
    ::sync();
    const TRun run = RunKelconv(kelconv, base + ".kel");
    if (run.Seconds < measure.Best.Seconds) measure.Best = run;
  }
  measure.Points = static_cast<double>(pointsPerSeries) * kel::bench::kSeriesCount;
  measure.InputMb = std::filesystem::file_size(base + ".kel") / 1e6;
  measure.TextMb = std::filesystem::file_size(base + ".txt") / 1e6;
  measure.XmlMb = std::filesystem::file_size(base + ".xml") / 1e6;
  for (const char* extension : {".kel", ".txt", ".xml"}) std::filesystem::remove(base + extension);
  return measure;
}

void Report(const TMeasure& m) {
  const double peakMb = m.Best.PeakKb / 1e3;
  std::printf(
      "%10.0f points: %7.1f ns/point (goal <= 100; CPU %7.1f), peak %7.1f MB = %.2f x (input "
      "%.1f MB + text %.1f MB) (goal <= 3); xml %.1f MB\n",
      m.Points, m.NsPerPoint(), m.Best.CpuSeconds * 1e9 / m.Points, peakMb,
      peakMb / (m.InputMb + m.TextMb), m.InputMb, m.TextMb, m.XmlMb);
}

constexpr int kComparedPoints = 1'000'000;

// Trading days with prices that wander within a band: five values a point.
void AddCandleSeries(kel::TChart& chart) {
  auto* series = new kel::TCandleSeries(&chart);
  series->SetName(u"Candles");
  series->SetParentChart(&chart);
  series->BeginUpdate();
  for (int i = 0; i < kComparedPoints; ++i) {
    const double open = 100 + (i * 7919LL % 1000) / 8.0;
    const double close = 100 + ((i + 1) * 7919LL % 1000) / 8.0;
    series->AddCandle(36526 + i, open, std::max(open, close) + 2, std::min(open, close) - 2, close);
  }
  series->EndUpdate();
}

// Tasks on a hundred rows, each linked to the next: row, start, end and next
// task, four values a point.
void AddGanttSeries(kel::TChart& chart) {
  auto* series = new kel::TGanttSeries(&chart);
  series->SetName(u"Tasks");
  series->SetParentChart(&chart);
  series->BeginUpdate();
  for (int i = 0; i < kComparedPoints; ++i) {
    const double start = 36526 + i * 0.25;
    series->AddGantt(start, start + 1 + i % 7, i % 100);
    series->NextTask()->SetValue(i, i + 1 < kComparedPoints ? i + 1 : -1);
  }
  series->EndUpdate();
}

struct TComparedChart {
  const char* Name;
  TChartBuilder Build;
  // Values stored a point: the value lists the data block carries.
  int ValuesPerPoint;
  std::string Path;
  TRun Best;

  double NsPerValue() const { return Best.Seconds * 1e9 / kComparedPoints / ValuesPerPoint; }
};

// Converts the charts in turns, so that they meet the same machine load, and
// keeps the best run of each.
void CompareCharts(const std::string& kelconv, const std::filesystem::path& folder) {
  std::vector<TComparedChart> charts = {
      {"line (X, Y)",
       [](kel::TChart& chart) {
         kel::bench::AddLineSeries(chart, kComparedPoints / kel::bench::kSeriesCount);
       },
       2},
      {"candle (date, close, high, low, open)", AddCandleSeries, 5},
      {"gantt (row, start, end, next task)", AddGanttSeries, 4},
  };
  for (size_t c = 0; c < charts.size(); ++c) {
    charts[c].Path = (folder / ("compared" + std::to_string(c))).string();
    kel::bench::WriteBuiltChartFile(charts[c].Path + ".kel", charts[c].Build);
    charts[c].Best.Seconds = 1e30;
  }
  for (int round = 0; round < 5; ++round) {
    for (TComparedChart& chart : charts) {
      std::filesystem::remove(chart.Path + ".txt");
      std::filesystem::remove(chart.Path + ".xml");
      ::sync();
      const TRun run = RunKelconv(kelconv, chart.Path + ".kel");
      if (run.Seconds < chart.Best.Seconds) chart.Best = run;
    }
  }
  const double line = charts.front().NsPerValue();
  for (const TComparedChart& chart : charts) {
    std::printf("%-40s %7.1f ns/value (CPU %7.1f), %.2f x the line chart (goal <= 1.2)\n",
                chart.Name, chart.NsPerValue(),
                chart.Best.CpuSeconds * 1e9 / kComparedPoints / chart.ValuesPerPoint,
                chart.NsPerValue() / line);
    for (const char* extension : {".kel", ".txt", ".xml"}) {
      std::filesystem::remove(chart.Path + extension);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s KELCONV SCRATCH_FOLDER\n", argv[0]);
    return 2;
  }
  kel::RegisterModelClasses();
  // A chart of 10 points per series costs what any conversion costs: the
  // process start, the class registration, the chart itself.
  const TMeasure fixed = Measure(argv[1], argv[2], 10);
  const TMeasure small = Measure(argv[1], argv[2], 10'000);
  const TMeasure large = Measure(argv[1], argv[2], 1'000'000);
  Report(small);
  Report(large);
  std::printf("ns/point at 100,000 / at 10,000,000: %.2f (goal <= 1.5)\n",
              small.NsPerPoint() / large.NsPerPoint());
  const double fixedSeconds = fixed.Best.Seconds;
  const auto beyondFixed = [&](const TMeasure& m) {
    return (m.Best.Seconds - fixedSeconds) / m.Points;
  };
  std::printf("fixed cost (10 x 10 points) %.1f ms; beyond it, the ratio is %.2f\n",
              fixedSeconds * 1e3, beyondFixed(small) / beyondFixed(large));
  CompareCharts(argv[1], argv[2]);
  return 0;
}
