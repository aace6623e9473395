#include "model/tools/ToolClasses.h"

#include "model/tools/AnnotationTool.h"
#include "model/tools/AxisTools.h"
#include "model/tools/ChartImageTool.h"
#include "model/tools/ColorBandTool.h"
#include "model/tools/ColorLineTool.h"
#include "model/tools/CursorTool.h"
#include "model/tools/DrawLineTool.h"
#include "model/tools/FullScreenTool.h"
#include "model/tools/GridBandTool.h"
#include "model/tools/MarksTipTool.h"
#include "model/tools/NearestTool.h"
#include "model/tools/RotateTool.h"
#include "model/tools/SeriesTools.h"
#include "persist/ClassRegistry.h"

namespace kel {

void RegisterToolClasses() {
  RegisterClasses({&TKelCustomTool::StaticClassInfo(),     &TKelCustomToolSeries::StaticClassInfo(),
                   &TKelCustomToolAxis::StaticClassInfo(), &TKelCustomAnimation::StaticClassInfo(),
                   &TCursorTool::StaticClassInfo(),        &TDragMarksTool::StaticClassInfo(),
                   &TAxisArrowTool::StaticClassInfo(),     &TAxisScrollTool::StaticClassInfo(),
                   &TDrawLineTool::StaticClassInfo(),      &TNearestTool::StaticClassInfo(),
                   &TColorBandTool::StaticClassInfo(),     &TColorLineTool::StaticClassInfo(),
                   &TGridBandTool::StaticClassInfo(),      &TRotateTool::StaticClassInfo(),
                   &TChartImageTool::StaticClassInfo(),    &TMarksTipTool::StaticClassInfo(),
                   &TAnnotationTool::StaticClassInfo(),    &TRectangleTool::StaticClassInfo(),
                   &TClipSeriesTool::StaticClassInfo(),    &TFullScreenTool::StaticClassInfo(),
                   &TRepaintMonitor::StaticClassInfo()});
}

}  // namespace kel
