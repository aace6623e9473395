#include "model/functions/FunctionClasses.h"

#include "model/functions/AddKelFunction.h"
#include "model/functions/AverageKelFunction.h"
#include "model/functions/CustomKelFunction.h"
#include "model/functions/CustomSortedFunction.h"
#include "model/functions/ExpAverageFunction.h"
#include "model/functions/ExpMovAveFunction.h"
#include "model/functions/HighKelFunction.h"
#include "model/functions/KelFunction.h"
#include "model/functions/ManySeriesKelFunction.h"
#include "model/functions/MomentumFunction.h"
#include "model/functions/MovingAverageFunction.h"
#include "model/functions/ParetoKelFunction.h"
#include "model/functions/SkewnessFunction.h"
#include "model/functions/StdDeviationFunction.h"
#include "model/functions/SubsetKelFunction.h"
#include "persist/ClassRegistry.h"

namespace kel {

void RegisterFunctionClasses() {
  RegisterClasses({&TKelFunction::StaticClassInfo(),
                   &TKelMovingFunction::StaticClassInfo(),
                   &TAddKelFunction::StaticClassInfo(),
                   &TManySeriesKelFunction::StaticClassInfo(),
                   &TSubtractKelFunction::StaticClassInfo(),
                   &TMultiplyKelFunction::StaticClassInfo(),
                   &TDivideKelFunction::StaticClassInfo(),
                   &THighKelFunction::StaticClassInfo(),
                   &TLowKelFunction::StaticClassInfo(),
                   &TAverageKelFunction::StaticClassInfo(),
                   &TCustomKelFunction::StaticClassInfo(),
                   &TCustomSortedFunction::StaticClassInfo(),
                   &TMedianKelFunction::StaticClassInfo(),
                   &TModeKelFunction::StaticClassInfo(),
                   &TSubsetKelFunction::StaticClassInfo(),
                   &TParetoKelFunction::StaticClassInfo(),
                   &TMovingAverageFunction::StaticClassInfo(),
                   &TExpAverageFunction::StaticClassInfo(),
                   &TSmoothedMovAvgFunction::StaticClassInfo(),
                   &TMomentumFunction::StaticClassInfo(),
                   &TMomentumDivFunction::StaticClassInfo(),
                   &TExpMovAveFunction::StaticClassInfo(),
                   &TStdDeviationFunction::StaticClassInfo(),
                   &TRMSFunction::StaticClassInfo(),
                   &TVarianceFunction::StaticClassInfo(),
                   &TSkewnessFunction::StaticClassInfo(),
                   &TKurtosisFunction::StaticClassInfo()});
}

}  // namespace kel
