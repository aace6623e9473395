#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt/QtText.h"

namespace kel {

void QtClipboard::SetText(const std::u16string& text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

}  // namespace kel
