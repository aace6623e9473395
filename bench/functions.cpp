// Recalculation cost of every function class: builds a chart with a
// 1,000,000-point line series and one function series per function class
// over it (period 1 where the class uses a period, plus a moving average of
// period 100 and medians and modes of groups of 100), saves it with data and
// loads it back, timing the load; then recalculates each function series in
// turn and prints the best of several runs in processor nanoseconds per
// source point (and, for windows and groups of 100, per window element).
//
// Usage: bench_functions [POINTS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/functions/KelFunction.h"
#include "model/standard/LineSeries.h"
#include "persist/ClassRegistry.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"
#include "store/ChartStore.h"

namespace {

using Clock = std::chrono::steady_clock;

struct TFunctionSetup {
  const char16_t* ClassName;
  double Period;  // < 0: the class's own
};

// Every registered function class; those whose Period is no group size keep
// their own (the custom function's step, the exponential moving average's
// smoothing).
const TFunctionSetup kSetups[] = {
    {u"TKelFunction", 1},
    {u"TKelMovingFunction", 1},
    {u"TAddKelFunction", 1},
    {u"TManySeriesKelFunction", 1},
    {u"TSubtractKelFunction", 1},
    {u"TMultiplyKelFunction", 1},
    {u"TDivideKelFunction", 1},
    {u"THighKelFunction", 1},
    {u"TLowKelFunction", 1},
    {u"TAverageKelFunction", 1},
    {u"TCustomKelFunction", -1},
    {u"TCustomSortedFunction", 1},
    {u"TMedianKelFunction", 1},
    {u"TModeKelFunction", 1},
    {u"TSubsetKelFunction", -1},
    {u"TParetoKelFunction", 1},
    {u"TMovingAverageFunction", 1},
    {u"TExpAverageFunction", 1},
    {u"TSmoothedMovAvgFunction", 1},
    {u"TMomentumFunction", 1},
    {u"TMomentumDivFunction", 1},
    {u"TExpMovAveFunction", -1},
    {u"TStdDeviationFunction", 1},
    {u"TRMSFunction", 1},
    {u"TVarianceFunction", 1},
    {u"TSkewnessFunction", 1},
    {u"TKurtosisFunction", 1},
    {u"TMovingAverageFunction", 100},
    {u"TMedianKelFunction", 100},
    {u"TModeKelFunction", 100},
    {u"TAddKelFunction", 0},
    {u"TMedianKelFunction", 0},
};

void BuildChart(kel::TChart& chart, int points) {
  auto* source = new kel::TLineSeries(&chart);
  source->SetName(u"Source");
  source->SetParentChart(&chart);
  source->BeginUpdate();
  for (int i = 0; i < points; ++i) {
    source->AddXY(i * 0.5, static_cast<double>((i * 7919LL) % 1000) / 8.0);
  }
  source->EndUpdate();
  source->ManualData = true;
  int index = 0;
  for (const TFunctionSetup& setup : kSetups) {
    auto* series = new kel::TLineSeries(&chart);
    series->SetName(u"Series" + kel::Utf8ToUtf16(std::to_string(++index)));
    series->SetParentChart(&chart);
    auto* function =
        dynamic_cast<kel::TKelFunction*>(kel::GetClass(setup.ClassName)->CreateComponent(&chart));
    function->SetName(u"Function" + kel::Utf8ToUtf16(std::to_string(index)));
    function->BeginUpdate();
    if (setup.Period >= 0) function->SetPeriod(setup.Period);
    series->SetFunction(function);
    if (!function->NeedsNoSource()) series->SetDataSource(source);
    function->EndUpdate();
  }
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of this thread: on a shared machine the wall time also
// counts the time spent waiting for a processor.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  const int points = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  constexpr int kRuns = 3;
  kel::RegisterModelClasses();

  kel::TMemoryStream file;
  {
    kel::TChart chart(nullptr);
    BuildChart(chart, points);
    kel::WriteChartToStream(chart, file, true, false);
  }
  kel::TComponent host(nullptr);
  auto* chart = new kel::TChart(&host);
  file.Seek(0, kel::TSeekOrigin::soBeginning);
  const auto loadStart = Clock::now();
  const double loadCpuStart = CpuSeconds();
  kel::ReadChartFromStream(chart, file);
  std::printf("load of %d source points and %zu function series: %.3f s (%.3f s processor)\n",
              points, std::size(kSetups), Seconds(loadStart), CpuSeconds() - loadCpuStart);

  std::printf("%-26s %8s %10s %14s %16s\n", "function", "period", "points", "ns/src point",
              "ns/window elem");
  for (int s = 1; s < chart->SeriesCount(); ++s) {
    auto& series = static_cast<kel::TChartSeries&>(chart->Series(s)->SeriesComponent());
    auto* function = dynamic_cast<kel::TKelFunction*>(series.FunctionComponent());
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
      const double start = CpuSeconds();
      function->ReCalculate();
      best = std::min(best, CpuSeconds() - start);
    }
    const double nsPerPoint = best * 1e9 / points;
    const double window = std::max(1.0, function->Period());
    std::printf("%-26s %8g %10d %14.2f %16.3f\n",
                kel::Utf16ToUtf8(function->ClassInfo().ClassName).c_str(), function->Period(),
                series.Count(), nsPerPoint, nsPerPoint / window);
  }
  return 0;
}
