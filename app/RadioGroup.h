// A captioned group of radio buttons, one per item, stacked in one column
// over the group's height; ItemIndex is the selected item (-1 for none).
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace kel {

class RadioGroup : public QGroupBox {
 public:
  RadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

  int ItemIndex() const { return FButtons.checkedId(); }
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const;
  int ItemCount() const { return static_cast<int>(FButtons.buttons().size()); }
  // Emits idClicked(index) when the user clicks an item.
  QButtonGroup& Buttons() { return FButtons; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ArrangeItems();

  QButtonGroup FButtons;
};

}  // namespace kel
