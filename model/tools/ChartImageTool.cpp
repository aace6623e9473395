#include "model/tools/ChartImageTool.h"

#include "model/attributes/Pen.h"
#include "model/attributes/Picture.h"

namespace kel {

using I = TChartImageTool;
KEL_PROPERTIES(TChartImageTool,
               Published({u"Active", u"Pen"}),
               Property(u"Picture", &I::Picture, &I::SetPicture),
               Published({u"Series"}))

TChartImageTool::TChartImageTool(TComponent* owner)
    : TKelCustomToolSeries(owner), FPicture(std::make_unique<TKelPicture>([this] { Repaint(); })) {
  // Hidden while the remembered default stays visible: a new tool writes
  // the pen's Visible.
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

}  // namespace kel
