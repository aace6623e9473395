#include "app/RadioGroup.h"

#include <algorithm>

namespace kel {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  for (int i = 0; i < items.size(); ++i) FButtons.addButton(new QRadioButton(items[i], this), i);
  ArrangeItems();
}

void RadioGroup::SetItemIndex(int index) {
  if (QRadioButton* item = Item(index)) item->setChecked(true);
}

QRadioButton* RadioGroup::Item(int index) const {
  return static_cast<QRadioButton*>(FButtons.button(index));
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  ArrangeItems();
}

void RadioGroup::ArrangeItems() {
  // The items share the height below the caption equally, each one
  // vertically centred in its share.
  const int count = ItemCount();
  if (count == 0) return;
  const int captionHeight = fontMetrics().height() + 1;
  const int share = (height() - captionHeight - 4) / count;
  for (int i = 0; i < count; ++i) {
    QRadioButton* item = Item(i);
    const int itemHeight = std::min(share, item->sizeHint().height());
    item->setGeometry(8, captionHeight + i * share + (share - itemHeight) / 2, width() - 16,
                      itemHeight);
  }
}

}  // namespace kel
