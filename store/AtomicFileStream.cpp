#include "store/AtomicFileStream.h"

#include "persist/Exceptions.h"
#include "platform/AtomicFile.h"

namespace kel {
namespace {

// Fills the temporary file `temporaryName` of `fileName` through a stream;
// a write the system refused names the file and the system's reason.
void WriteThroughStream(const std::string& fileName,
                        const std::string& temporaryName,
                        const std::function<void(TStream&)>& write) {
  // Opened as it is, new and empty: a file truncated on opening counts as
  // a replaced one, whose blocks the file system (ext4) writes out when
  // it is closed, and that costs as much as a large conversion itself.
  TFileStream stream(temporaryName, fmOpenReadWrite);
  try {
    write(stream);
    // The rename makes the output appear whole or not at all; forcing it to
    // disk as well would cost more than the conversion of a small chart.
    stream.Close();
  } catch (const EWriteError&) {
    if (stream.LastWriteError() != 0) RaiseFileWriteError(fileName, stream.LastWriteError());
    throw;
  }
}

}  // namespace

void WriteFilesAtomically(const std::vector<StreamReplacement>& files) {
  std::vector<FileReplacement> replacements;
  for (const StreamReplacement& file : files) {
    replacements.push_back({file.fileName, [&file](const std::string& temporaryName) {
                              WriteThroughStream(file.fileName, temporaryName, file.write);
                            }});
  }
  ReplaceFilesTogether(replacements);
}

void WriteFileAtomically(const std::string& fileName, const std::function<void(TStream&)>& write) {
  WriteFilesAtomically({{fileName, write}});
}

}  // namespace kel
