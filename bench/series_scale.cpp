// Conversion of a large chart end to end: builds a chart of 10 line series
// (X and Y values, no labels), saves it as a binary chart file, runs kelconv
// on it and prints nanoseconds per point and the peak resident memory, at
// 100,000 and at 10,000,000 points, to show that the time grows linearly.
//
// Usage: bench_series_scale KELCONV SCRATCH_FOLDER
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/LineSeriesChart.h"
#include "model/catalogue/Registration.h"

namespace {

struct TRun {
  double Seconds = 0;
  double CpuSeconds = 0;
  long PeakKb = 0;
};

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
  return 0;
}
