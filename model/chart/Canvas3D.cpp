#include "model/chart/Canvas3D.h"

#include <mutex>
#include <vector>

#include "persist/Unicode.h"

namespace kel {
namespace {

struct TCanvasClasses {
  std::mutex Lock;
  std::vector<std::u16string> Names{std::u16string(kStandardCanvasClass),
                                    std::u16string(kDefaultCanvasClass)};
};

TCanvasClasses& CanvasClasses() {
  static TCanvasClasses classes;
  return classes;
}

}  // namespace

void RegisterCanvasClass(std::u16string_view className) {
  TCanvasClasses& classes = CanvasClasses();
  std::lock_guard lock(classes.Lock);
  for (const std::u16string& name : classes.Names) {
    if (SameText(name, className)) return;
  }
  classes.Names.emplace_back(className);
}

std::u16string FindCanvasClass(std::u16string_view className) {
  TCanvasClasses& classes = CanvasClasses();
  std::lock_guard lock(classes.Lock);
  for (const std::u16string& name : classes.Names) {
    if (SameText(name, className)) return name;
  }
  return std::u16string(kStandardCanvasClass);
}

std::unique_ptr<TCanvas3D> CreateCanvas(std::u16string_view className) {
  return std::make_unique<TCanvas3D>(FindCanvasClass(className));
}

}  // namespace kel
