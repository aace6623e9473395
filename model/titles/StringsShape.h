// The text shape holding a list of lines.
#pragma once

#include <memory>
#include <string>

#include "model/titles/TextShape.h"

namespace kel {

class TStringList;
class TStrings;

// A text shape whose text is a list of lines, published as "Text". The list
// and the single text of the base stay in step.
class TStringsShape : public TTextShape {
  KEL_CLASS(TStringsShape, TTextShape)

 public:
  explicit TStringsShape(TCustomKelPanel* parent);
  ~TStringsShape() override;

  TStringList* Lines() const { return FTitleText.get(); }
  void SetLines(TStrings* value);
  // The first line, or empty; setting it replaces the lines by its lines.
  std::u16string Caption() const;
  void SetCaption(const std::u16string& value);

  void Assign(const TPersistent* source) override;

 protected:
  // The text was set directly: the lines follow it.
  void TextChanged() override;

 private:
  // The lines changed: the text follows them.
  void LinesChanged();

  std::unique_ptr<TStringList> FTitleText;
  // Set while the lines are refilled from the text.
  bool FFollowingText = false;
};

}  // namespace kel
