#include "model/tools/ChartImageTool.h"

#include "model/attributes/Pen.h"
#include "model/attributes/Picture.h"

namespace kel {

namespace {

// The chart image tool's constructor hides the pen while its remembered
// default stays visible, so its visibility is always written: a pen shown
// again survives reloading.
class TChartImagePen : public TKelPen {
  KEL_CLASS(TChartImagePen, TKelPen)

 public:
  using TKelPen::TKelPen;
};

}  // namespace

KEL_PROPERTIES(TChartImagePen, Redeclared(u"Visible").NoDefault().Stored(true))

using I = TChartImageTool;
KEL_PROPERTIES(TChartImageTool,
               Published({u"Active", u"Pen"}),
               Property(u"Picture", &I::Picture, &I::SetPicture),
               Published({u"Series"}))

TChartImageTool::TChartImageTool(TComponent* owner)
    : TKelCustomToolSeries(owner), FPicture(std::make_unique<TKelPicture>([this] { Repaint(); })) {
  ReplacePen<TChartImagePen>();
  Pen()->SetVisible(false);
}

TChartImageTool::~TChartImageTool() = default;

void TChartImageTool::SetPicture(TKelPicture* value) {
  FPicture->Assign(value);
}

void TChartImageTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TChartImageTool*>(source)) {
    FPicture->Assign(tool->FPicture.get());
  }
  inherited::Assign(source);
}

std::u16string TChartImageTool::Description() const {
  return u"Image";
}

std::u16string TChartImageTool::LongDescription() const {
  return u"Displays a picture using the specified Series axes as boundaries. When the axis are "
         u"zoomed or scrolled, the picture will follow the new boundaries.";
}

}  // namespace kel
