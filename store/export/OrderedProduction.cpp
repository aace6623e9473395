#include "store/export/OrderedProduction.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Processors.h"

namespace kel {
namespace {

// Pieces produced ahead of the one consumed next.
constexpr int kSlotsPerThread = 4;
constexpr unsigned kMaxHelpers = 3;

class TOrderedProduction {
 public:
  TOrderedProduction(int count,
                     int threads,
                     const std::function<void(int, std::u16string&)>& produce,
                     const std::function<void(std::u16string&)>& consume,
                     std::vector<std::u16string>& texts)
      : FCount(count),
        FSlots(texts),
        FReady(static_cast<size_t>(kSlotsPerThread * threads), false),
        FProduce(produce),
        FConsume(consume) {
    if (FSlots.size() < FReady.size()) FSlots.resize(FReady.size());
  }

  // The calling thread: consumes the next piece whenever it is ready and
  // produces pieces otherwise.
  void RunConsumer() {
    std::unique_lock lock(FMutex);
    while (!FFailure && FConsumed < FCount) {
      const size_t slot = SlotOf(FConsumed);
      if (FReady[slot]) {
        lock.unlock();
        Guarded([&] { FConsume(FSlots[slot]); });
        lock.lock();
        FReady[slot] = false;
        ++FConsumed;
        FChanged.notify_all();
      } else if (!ProduceNext(lock)) {
        FChanged.wait(lock);
      }
    }
  }

  // A helper thread: produces pieces until none is left to take.
  void RunProducer() {
    std::unique_lock lock(FMutex);
    while (!FFailure && FNext < FCount) {
      if (!ProduceNext(lock)) FChanged.wait(lock);
    }
  }

  void RaiseFailure() const {
    if (FFailure) std::rethrow_exception(FFailure);
  }

 private:
  size_t SlotOf(int piece) const { return static_cast<size_t>(piece) % FReady.size(); }

  // Takes the next piece when its slot is free and produces it; false when
  // there is none to take now.
  bool ProduceNext(std::unique_lock<std::mutex>& lock) {
    if (FNext >= FCount || FNext >= FConsumed + static_cast<int>(FReady.size())) return false;
    const int piece = FNext++;
    const size_t slot = SlotOf(piece);
    lock.unlock();
    Guarded([&] {
      FSlots[slot].clear();
      FProduce(piece, FSlots[slot]);
    });
    lock.lock();
    FReady[slot] = true;
    FChanged.notify_all();
    return true;
  }

  template <class Work>
  void Guarded(const Work& work) {
    try {
      work();
    } catch (...) {
      std::lock_guard lock(FMutex);
      if (!FFailure) FFailure = std::current_exception();
      FChanged.notify_all();
    }
  }

  const int FCount;
  std::vector<std::u16string>& FSlots;
  std::vector<bool> FReady;
  const std::function<void(int, std::u16string&)>& FProduce;
  const std::function<void(std::u16string&)>& FConsume;
  std::mutex FMutex;
  std::condition_variable FChanged;
  int FNext = 0;
  int FConsumed = 0;
  std::exception_ptr FFailure;
};

}  // namespace

void ProduceInOrder(int count,
                    const std::function<void(int, std::u16string&)>& produce,
                    const std::function<void(std::u16string&)>& consume,
                    std::vector<std::u16string>& texts) {
  const unsigned cores = ProcessorsAvailable();
  const int helpers = static_cast<int>(
      std::min({cores - 1, kMaxHelpers, static_cast<unsigned>(std::max(count - 1, 0))}));
  TOrderedProduction production(count, helpers + 1, produce, consume, texts);
  std::vector<std::thread> threads;
  try {
    for (int i = 0; i < helpers; ++i) threads.emplace_back([&] { production.RunProducer(); });
  } catch (...) {
    // Without a helper thread the calling thread does all the work.
  }
  production.RunConsumer();
  for (std::thread& thread : threads) thread.join();
  production.RaiseFailure();
}

}  // namespace kel
