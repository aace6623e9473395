// The files of a batch, in the order they are converted and reported.
#pragma once

#include <string>
#include <vector>

#include "cli/BatchRunner.h"
#include "store/ChartConversion.h"

namespace kel {

// Each path that is a file, and every chart file of each path that is a
// folder (in directory order), in the order given; a folder that cannot be
// listed is one failed item.
std::vector<BatchItem> CollectBatchItems(const std::vector<std::string>& paths);

// Claims the outputs of the items in their order, so that an item whose
// output another one claims first fails before it runs (see
// BatchOutputClaims).
void ClaimBatchOutputs(std::vector<BatchItem>& items, const ConversionOptions& options);

}  // namespace kel
