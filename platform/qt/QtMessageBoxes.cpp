#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/QtText.h"

namespace kel {

namespace {

void ShowModalBox(QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace

void QtMessageBox::Show(const std::u16string& text) {
  ShowModalBox(QMessageBox::Information, ToQString(text));
}

void QtFailureReport::Show(std::u16string_view message) {
  ShowModalBox(QMessageBox::Critical, ToQString(FailureReportText(message)));
}

}  // namespace kel
