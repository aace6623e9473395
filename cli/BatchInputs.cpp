#include "cli/BatchInputs.h"

#include <exception>

#include "platform/DirectorySearch.h"
#include "platform/Path.h"
#include "store/ChartFile.h"

namespace kel {

std::vector<BatchItem> CollectBatchItems(const std::vector<std::string>& paths) {
  std::vector<BatchItem> items;
  for (const std::string& path : paths) {
    if (!IsFolder(path)) {
      items.push_back({path, {}});
      continue;
    }
    try {
      CheckFolderReadable(path);
    } catch (const std::exception& failure) {
      items.push_back({path, failure.what()});
      continue;
    }
    for (const std::string& name : FindFiles(path, "*." + std::string(ChartFileExtension))) {
      items.push_back({JoinPath(path, name), {}});
    }
  }
  return items;
}

void ClaimBatchOutputs(std::vector<BatchItem>& items, const ConversionOptions& options) {
  BatchOutputClaims claims;
  for (BatchItem& item : items) {
    if (item.failure) continue;
    try {
      claims.Claim(item.path, options);
    } catch (const std::exception& refusal) {
      item.failure = refusal.what();
    }
  }
}

}  // namespace kel
