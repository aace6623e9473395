// Writing and reading a root with N children, each holding a reference to the
// next, must cost the same per child whatever N is. Prints the time per child
// for N = 1,000, 10,000 and 100,000, and the growth from the smallest N.
#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "persist/ClassDeclaration.h"
#include "persist/ClassRegistry.h"
#include "persist/Reader.h"
#include "persist/Stream.h"
#include "persist/Writer.h"

namespace kel {
namespace {

class TScaleChild : public TComponent {
  KEL_CLASS(TScaleChild, TComponent)

 public:
  explicit TScaleChild(TComponent* owner) : TComponent(owner) {}
  int32_t FValue = 0;
  TScaleChild* FPartner = nullptr;
};
KEL_PROPERTIES(TScaleChild,
               Property(u"Value", &TScaleChild::FValue, &TScaleChild::FValue).Default(0),
               Property(u"Partner", &TScaleChild::FPartner, &TScaleChild::FPartner))

class TScaleRoot : public TComponent {
  KEL_CLASS(TScaleRoot, TComponent)

 public:
  explicit TScaleRoot(TComponent* owner) : TComponent(owner) {}
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
};
KEL_PROPERTIES(TScaleRoot)

std::u16string ChildName(int i) {
  std::u16string name = u"Child";
  for (char c : std::to_string(i)) name.push_back(static_cast<char16_t>(c));
  return name;
}

struct Timing {
  double writeNs;
  double readNs;
};

// CPU time of this thread: the machine may be shared, and time spent waiting
// for a core is not the code's.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

Timing Measure(int n) {
  // Children named in an order that is not sorted, each referring to the next
  // one, which is read after it (a forward reference).
  TScaleRoot source(nullptr);
  std::vector<TScaleChild*> children;
  for (int i = 0; i < n; ++i) {
    auto* child = new TScaleChild(&source);
    child->SetName(ChildName((i * 7919) % n));
    child->FValue = i;
    children.push_back(child);
  }
  for (int i = 0; i < n; ++i) children[i]->FPartner = children[(i + 1) % n];

  TMemoryStream stream;
  double start = CpuSeconds();
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.WriteRootComponent(source);
  }
  const double writeSeconds = CpuSeconds() - start;

  stream.SetPosition(0);
  TScaleRoot target(nullptr);
  start = CpuSeconds();
  {
    TReader reader(stream, kDefaultFilerBufferSize);
    reader.ReadRootComponent(target);
  }
  const double readSeconds = CpuSeconds() - start;

  if (target.ComponentCount() != n ||
      static_cast<TScaleChild*>(target.Components(n - 1))->FPartner != target.Components(0)) {
    std::fprintf(stderr, "read back wrong for N = %d\n", n);
  }
  return {writeSeconds * 1e9 / n, readSeconds * 1e9 / n};
}

// The best of a few runs, so that one slow run does not decide.
Timing Best(int n, int runs) {
  Timing best = Measure(n);
  for (int r = 1; r < runs; ++r) {
    const Timing t = Measure(n);
    best.writeNs = std::min(best.writeNs, t.writeNs);
    best.readNs = std::min(best.readNs, t.readNs);
  }
  return best;
}

}  // namespace
}  // namespace kel

int main() {
  using namespace kel;
  // Keep freed memory in the process: otherwise only the large runs pay for
  // the system handing out fresh pages, which is not the code's cost.
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  const TClassRegistration registration{&TScaleRoot::StaticClassInfo(),
                                        &TScaleChild::StaticClassInfo()};
  std::printf("%10s %16s %16s\n", "children", "write ns/child", "read ns/child");
  Timing first{};
  Timing last{};
  for (const int n : {1000, 10000, 100000}) {
    last = Best(n, n == 100000 ? 3 : 10);
    if (n == 1000) first = last;
    std::printf("%10d %16.1f %16.1f\n", n, last.writeNs, last.readNs);
  }
  std::printf("growth from 1,000 to 100,000: write %.2fx, read %.2fx (goal: at most 1.5x)\n",
              last.writeNs / first.writeNs, last.readNs / first.readNs);
  return 0;
}
