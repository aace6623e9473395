#include "persist/StringList.h"

#include "persist/ClassDeclaration.h"
#include "persist/Exceptions.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"

namespace kel {
namespace {

[[noreturn]] void IndexError(int index) {
  throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

KEL_PROPERTIES(TStrings)
KEL_PROPERTIES(TStringList)

int TStrings::Add(const std::u16string& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::IndexOf(std::u16string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Get(i), text)) return i;
  }
  return -1;
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TStrings*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (int i = 0; i < other->Count(); ++i) Add(other->Get(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        BeginUpdate();
        try {
          Clear();
          while (!reader.EndOfList()) Add(reader.ReadString());
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteString(Get(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

std::u16string TStringList::Get(int index) const {
  if (index < 0 || index >= Count()) IndexError(index);
  return FList[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::u16string& text) {
  if (index < 0 || index >= Count()) IndexError(index);
  FList[static_cast<size_t>(index)] = text;
  Changed();
}

void TStringList::Insert(int index, const std::u16string& text) {
  if (index < 0 || index > Count()) IndexError(index);
  FList.insert(FList.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) IndexError(index);
  FList.erase(FList.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  FList.clear();
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (!updating) Changed();
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(*this);
}

}  // namespace kel
