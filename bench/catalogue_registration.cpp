// The start-up registration of one fresh process, timed in two steps: the
// classes of the model areas, then the whole catalogue (every gallery, tool
// and animation entry, and the classes made on their bases). Prints both in
// microseconds on one line; bench/startup.py runs it many times.
#include <chrono>
#include <cstdio>

#include "model/catalogue/CatalogueRegistration.h"
#include "model/catalogue/Registration.h"

int main() {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  kel::RegisterModelAreaClasses();
  const auto areasDone = Clock::now();
  static const kel::TCatalogueRegistration catalogue;
  const auto catalogueDone = Clock::now();
  const auto micros = [](Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
  };
  std::printf("areas %.1f us, catalogue %.1f us\n", micros(areasDone - start),
              micros(catalogueDone - areasDone));
}
