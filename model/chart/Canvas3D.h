// The chart's drawing canvas as far as it reaches the file: its class name
// (the chart's "DefaultCanvas") and its monochrome flag. The converter never
// paints, so a canvas holds no drawing state.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kel {

// The standard 3D canvas, used when a named canvas class is not registered.
inline constexpr std::u16string_view kStandardCanvasClass = u"TKelCanvas3D";
// The canvas a chart asks for when the option store names none.
inline constexpr std::u16string_view kDefaultCanvasClass = u"TGDIPlusCanvas";

class TCanvas3D {
 public:
  explicit TCanvas3D(std::u16string className) : FClassName(std::move(className)) {}

  const std::u16string& ClassName() const { return FClassName; }
  bool Monochrome() const { return FMonochrome; }
  void SetMonochrome(bool value) { FMonochrome = value; }
  // Whether the canvas can draw on this system. Every registered canvas can,
  // since none of them ever draws here.
  bool CanUse() const { return true; }

 private:
  std::u16string FClassName;
  bool FMonochrome = false;
};

// Registers a canvas class name (the standard and the default canvas are
// registered from the start). Names are compared without regard to case.
void RegisterCanvasClass(std::u16string_view className);
// A new canvas of the registered class of that name, or of the standard 3D
// canvas when none has it.
std::unique_ptr<TCanvas3D> CreateCanvas(std::u16string_view className);
// The registered spelling of that class name, or the standard canvas's.
std::u16string FindCanvasClass(std::u16string_view className);

}  // namespace kel
