// Writes the benchmarks' line-series chart (10 series) as a binary chart
// file, for the timed scripts of this folder.
//
// Usage: bench_line_chart_file PATH POINTS_PER_SERIES
#include <cstdio>
#include <cstdlib>

#include "bench/LineSeriesChart.h"
#include "model/catalogue/Registration.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s PATH POINTS_PER_SERIES\n", argv[0]);
    return 2;
  }
  kel::RegisterModelClasses();
  kel::bench::WriteLineSeriesChartFile(argv[1], std::atoi(argv[2]));
  return 0;
}
