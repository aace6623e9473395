#include "model/tools/AxisTools.h"

namespace kel {

using A = TAxisArrowTool;
// "Axis" is not published: "AxisID" carries the axis.
KEL_PROPERTIES(TAxisArrowTool,
               Published({u"Active"}),
               Property(u"Position", &A::Position, &A::Position).Default(aaBoth),
               Published({u"Brush"}),
               Property(u"HeadWidth", &A::HeadWidth, &A::HeadWidth).Default(8),
               Property(u"Length", &A::Length, &A::Length).Default(16),
               Published({u"Pen"}),
               Property(u"ScrollInverted", &A::ScrollInverted, &A::ScrollInverted).Default(false),
               Property(u"ScrollPercent", &A::ScrollPercent, &A::ScrollPercent).Default(10),
               Property(u"SizePercent", &A::SizePercent, &A::SizePercent).Default(50),
               Property(u"OnClick", &A::OnClick, &A::OnClick))

void TAxisArrowTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TAxisArrowTool*>(source)) {
    Position = tool->Position;
    HeadWidth = tool->HeadWidth;
    Length = tool->Length;
    ScrollInverted = tool->ScrollInverted;
    ScrollPercent = tool->ScrollPercent;
    SizePercent = tool->SizePercent;
  }
  inherited::Assign(source);
}

using S = TAxisScrollTool;
KEL_PROPERTIES(TAxisScrollTool,
               Published({u"Active"}),
               Property(u"ScrollInverted", &S::ScrollInverted, &S::ScrollInverted).Default(false))

void TAxisScrollTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TAxisScrollTool*>(source)) {
    ScrollInverted = tool->ScrollInverted;
  }
  inherited::Assign(source);
}

std::u16string TAxisArrowTool::Description() const {
  return u"Axis Arrows";
}

std::u16string TAxisArrowTool::LongDescription() const {
  return u"Displays clickable arrows at axis start and ending points, to scroll axis.";
}

std::u16string TAxisScrollTool::Description() const {
  return u"Axis Scroll";
}

std::u16string TAxisScrollTool::LongDescription() const {
  return u"Allows the scrolling of Axes by mouse dragging";
}

}  // namespace kel
