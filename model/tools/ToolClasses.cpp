#include "model/tools/ToolClasses.h"

#include "model/tools/KelCustomToolAxis.h"
#include "model/tools/KelCustomToolSeries.h"
#include "persist/ClassRegistry.h"

namespace kel {

void RegisterToolClasses() {
  RegisterClasses({&TKelCustomTool::StaticClassInfo(), &TKelCustomToolSeries::StaticClassInfo(),
                   &TKelCustomToolAxis::StaticClassInfo(),
                   &TKelCustomAnimation::StaticClassInfo()});
}

}  // namespace kel
