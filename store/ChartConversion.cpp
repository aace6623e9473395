#include "store/ChartConversion.h"

#include "persist/Stream.h"
#include "store/AtomicFile.h"
#include "store/ChartException.h"
#include "store/ChartFile.h"

namespace kel {

std::string ChartOutputName(const std::string& path, const std::string& extension) {
  // Only the file name's own extension is replaced, never a dot in a folder
  // name or an earlier dot of the base name.
  const size_t separator = path.find_last_of("\\:/");
  const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  const size_t dot = path.find_last_of('.');
  const size_t stemEnd = dot != std::string::npos && dot >= nameStart ? dot : path.size();
  return path.substr(0, stemEnd) + "." + extension;
}

void ConvertChartFile(const std::string& path, bool includeData) {
  // Until charts load into the object model, the text is the stream's own
  // text, so there is nothing for includeData to choose yet.
  (void)includeData;
  TFileStream input(WithDefaultChartExtension(path), fmOpenRead | fmShareDenyWrite);
  if (input.Size() == 0) throw ChartException(EmptyChartFileMessage());
  if (!IsChartStream(input)) throw ChartException(WrongChartFileFormatMessage());
  WriteFileAtomically(ChartOutputName(path, "txt"),
                      [&](TStream& output) { ChartBinaryToText(input, output); });
}

}  // namespace kel
