#include "persist/UnknownEntries.h"

#include "persist/Reader.h"
#include "persist/Stream.h"
#include "persist/Writer.h"

namespace kel {

void TUnknownEntries::DefineProperties(TFiler& filer) {
  if (auto* reader = dynamic_cast<TReader*>(&filer)) {
    if (reader->PropName().empty()) return;
    const std::u16string name = reader->PropName();
    reader->DefineProperty(
        name,
        [this, &name](TReader& source) {
          TMemoryStream value;
          source.ReadValueBytes(value);
          FEntries.push_back({name, std::string(reinterpret_cast<const char*>(value.Memory()),
                                                static_cast<size_t>(value.Size()))});
        },
        {}, false);
    return;
  }
  for (const TEntry& entry : FEntries) {
    filer.DefineProperty(
        entry.Name, {},
        [&entry](TWriter& writer) { writer.Write(entry.Value.data(), entry.Value.size()); }, true);
  }
}

}  // namespace kel
