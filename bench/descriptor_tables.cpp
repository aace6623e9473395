// The cost of the property tables: building every class table of the model,
// and the reader's cost per property entry of a wide class.
//
// A table is built once per process, on first use, so each iteration of the
// building benchmark runs in a forked child that registers the model's
// classes and reports the CPU time this took.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "model/catalogue/Registration.h"
#include "persist/ClassDeclaration.h"
#include "persist/Reader.h"
#include "persist/Stream.h"
#include "persist/Writer.h"

namespace kel {
namespace {

// CPU time of this thread: the machine may be shared, and time spent waiting
// for a core is not the code's.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds a fresh process takes to build and register every model table.
double TimeModelTablesInChild() {
  int channel[2];
  if (pipe(channel) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const double start = CpuSeconds();
    RegisterModelClasses();
    const double seconds = CpuSeconds() - start;
    const bool sent = write(channel[1], &seconds, sizeof seconds) == sizeof seconds;
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  double seconds = -1;
  if (read(channel[0], &seconds, sizeof seconds) != sizeof seconds) seconds = -1;
  close(channel[0]);
  waitpid(child, nullptr, 0);
  return seconds;
}

void BuildModelTables(benchmark::State& state) {
  for (auto _ : state) {
    const double seconds = TimeModelTablesInChild();
    if (seconds < 0) {
      state.SkipWithError("the child process failed");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BuildModelTables)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(50);

// A class as wide as a chart, with the names of a chart's properties.
class TWideRecord : public TPersistent {
  KEL_CLASS(TWideRecord, TPersistent)

 public:
  int32_t Value(int32_t index) const { return FValues[index]; }
  void SetValue(int32_t index, int32_t value) { FValues[index] = value; }
  int32_t FValues[64] = {};
};

#define KEL_WIDE_ROW(name, index) \
  IndexedProperty(u"" #name, index, &TWideRecord::Value, &TWideRecord::SetValue).Default(0)

KEL_PROPERTIES(TWideRecord,
               KEL_WIDE_ROW(AllowPanning, 0),
               KEL_WIDE_ROW(BackImage, 1),
               KEL_WIDE_ROW(BackImageInside, 2),
               KEL_WIDE_ROW(BackImageMode, 3),
               KEL_WIDE_ROW(BackImageTransp, 4),
               KEL_WIDE_ROW(BackWall, 5),
               KEL_WIDE_ROW(Border, 6),
               KEL_WIDE_ROW(BorderRound, 7),
               KEL_WIDE_ROW(BottomWall, 8),
               KEL_WIDE_ROW(Foot, 9),
               KEL_WIDE_ROW(Gradient, 10),
               KEL_WIDE_ROW(LeftWall, 11),
               KEL_WIDE_ROW(Legend, 12),
               KEL_WIDE_ROW(MarginBottom, 13),
               KEL_WIDE_ROW(MarginLeft, 14),
               KEL_WIDE_ROW(MarginRight, 15),
               KEL_WIDE_ROW(MarginTop, 16),
               KEL_WIDE_ROW(MarginUnits, 17),
               KEL_WIDE_ROW(PrintProportional, 18),
               KEL_WIDE_ROW(RightWall, 19),
               KEL_WIDE_ROW(ScrollMouseButton, 20),
               KEL_WIDE_ROW(SubFoot, 21),
               KEL_WIDE_ROW(SubTitle, 22),
               KEL_WIDE_ROW(Title, 23),
               KEL_WIDE_ROW(AxisBehind, 24),
               KEL_WIDE_ROW(AxisVisible, 25),
               KEL_WIDE_ROW(BottomAxis, 26),
               KEL_WIDE_ROW(Chart3DPercent, 27),
               KEL_WIDE_ROW(ClipPoints, 28),
               KEL_WIDE_ROW(DepthAxis, 29),
               KEL_WIDE_ROW(DepthTopAxis, 30),
               KEL_WIDE_ROW(CustomAxes, 31),
               KEL_WIDE_ROW(Emboss, 32),
               KEL_WIDE_ROW(Frame, 33),
               KEL_WIDE_ROW(LeftAxis, 34),
               KEL_WIDE_ROW(Monochrome, 35),
               KEL_WIDE_ROW(Pages, 36),
               KEL_WIDE_ROW(Panning, 37),
               KEL_WIDE_ROW(RightAxis, 38),
               KEL_WIDE_ROW(SeriesGroups, 39),
               KEL_WIDE_ROW(Shadow, 40),
               KEL_WIDE_ROW(TopAxis, 41),
               KEL_WIDE_ROW(View3D, 42),
               KEL_WIDE_ROW(View3DOptions, 43),
               KEL_WIDE_ROW(View3DWalls, 44),
               KEL_WIDE_ROW(Zoom, 45),
               KEL_WIDE_ROW(ZoomWheel, 46),
               KEL_WIDE_ROW(Align, 47),
               KEL_WIDE_ROW(BevelInner, 48),
               KEL_WIDE_ROW(BevelOuter, 49),
               KEL_WIDE_ROW(BevelWidth, 50),
               KEL_WIDE_ROW(BorderWidth, 51),
               KEL_WIDE_ROW(Color, 52),
               KEL_WIDE_ROW(UseDockManager, 53),
               KEL_WIDE_ROW(DockSite, 54),
               KEL_WIDE_ROW(DragCursor, 55),
               KEL_WIDE_ROW(DragMode, 56),
               KEL_WIDE_ROW(ParentColor, 57),
               KEL_WIDE_ROW(ParentShowHint, 58),
               KEL_WIDE_ROW(PopupMenu, 59),
               KEL_WIDE_ROW(TabStop, 60),
               KEL_WIDE_ROW(AutoSize, 61),
               KEL_WIDE_ROW(Constraints, 62),
               KEL_WIDE_ROW(Enabled, 63))

// The entries of a record whose properties all differ from their defaults.
std::vector<uint8_t> WideEntries(int& entryCount) {
  TWideRecord record;
  for (int32_t i = 0; i < 64; ++i) record.FValues[i] = i + 1;
  entryCount = 64;
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.WriteProperties(record);
    writer.WriteListEnd();
  }
  return stream.TakeBytes();
}

void ReadWideEntries(benchmark::State& state) {
  int entryCount = 0;
  const std::vector<uint8_t> bytes = WideEntries(entryCount);
  TWideRecord record;
  for (auto _ : state) {
    TMemoryStream stream(bytes);
    TReader reader(stream, kDefaultFilerBufferSize);
    while (!reader.EndOfList()) reader.ReadPropertyEntry(record);
    benchmark::DoNotOptimize(record.FValues);
  }
  state.counters["per_entry"] = benchmark::Counter(
      entryCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(ReadWideEntries);

}  // namespace
}  // namespace kel

BENCHMARK_MAIN();
