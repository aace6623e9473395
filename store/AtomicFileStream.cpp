#include "store/AtomicFileStream.h"

#include "platform/AtomicFile.h"

namespace kel {

void WriteFileAtomically(const std::string& fileName, const std::function<void(TStream&)>& write) {
  ReplaceFileAtomically(fileName, [&](const std::string& temporaryName) {
    // Opened as it is, new and empty: a file truncated on opening counts as
    // a replaced one, whose blocks the file system (ext4) writes out when
    // it is closed, and that costs as much as a large conversion itself.
    TFileStream stream(temporaryName, fmOpenReadWrite);
    write(stream);
    // The rename makes the output appear whole or not at all; forcing it to
    // disk as well would cost more than the conversion of a small chart.
    stream.Close();
  });
}

}  // namespace kel
