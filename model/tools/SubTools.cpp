#include "model/tools/SubTools.h"

#include "model/attributes/Shadow.h"
#include "model/tools/AnnotationTool.h"

namespace kel {

std::unique_ptr<TAnnotationTool> NewAxisAnnotation() {
  auto annotation = std::make_unique<TAnnotationTool>(nullptr);
  TTextShape* shape = annotation->Shape();
  shape->SetVisible(false);
  shape->Shadow()->SetVisible(false);
  shape->SetAlignment(taCenter);
  annotation->SetTextAlignment(taCenter);
  return annotation;
}

}  // namespace kel
