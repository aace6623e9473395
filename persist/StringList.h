// Lists of text lines, streamed as one "Strings" entry holding a list of
// strings.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "persist/Persistent.h"

namespace kel {

class TStrings : public TPersistent {
  KEL_CLASS(TStrings, TPersistent)

 public:
  virtual int Count() const = 0;
  virtual std::u16string Get(int index) const = 0;
  virtual void Put(int index, const std::u16string& text) = 0;
  virtual void Insert(int index, const std::u16string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::u16string operator[](int index) const { return Get(index); }
  // Appends a line; returns its index.
  int Add(const std::u16string& text);
  // Index of the first line equal to text without regard to case; -1 if none.
  int IndexOf(std::u16string_view text) const;

  // Changes between BeginUpdate and the matching EndUpdate are reported once.
  void BeginUpdate();
  void EndUpdate();

  // Copies the lines of another TStrings.
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 protected:
  // Called when updating starts (true) and ends (false).
  virtual void SetUpdateState(bool updating);
  int UpdateCount() const { return FUpdateCount; }

 private:
  int FUpdateCount = 0;
};

class TStringList : public TStrings {
  KEL_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(FList.size()); }
  std::u16string Get(int index) const override;
  void Put(int index, const std::u16string& text) override;
  void Insert(int index, const std::u16string& text) override;
  void Delete(int index) override;
  void Clear() override;

  // Called after every change outside BeginUpdate/EndUpdate, and once at the
  // end of an update.
  std::function<void(TStringList&)> OnChange;

 protected:
  void SetUpdateState(bool updating) override;

 private:
  void Changed();
  std::vector<std::u16string> FList;
};

}  // namespace kel
