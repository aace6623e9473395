#include "store/InputStream.h"

#include <cstdint>

namespace kel {

std::unique_ptr<TStream> OpenInputStream(const std::string& path) {
  auto file = std::make_unique<TFileStream>(path == kStandardInput ? "/dev/stdin" : path,
                                            fmOpenRead | fmShareDenyWrite);
  if (file->Seek(0, TSeekOrigin::soCurrent) >= 0) return file;
  auto whole = std::make_unique<TMemoryStream>();
  uint8_t chunk[1 << 16];
  for (int64_t read; (read = file->Read(chunk, sizeof chunk)) > 0;) whole->WriteBuffer(chunk, read);
  whole->SetPosition(0);
  return whole;
}

}  // namespace kel
