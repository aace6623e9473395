#include "platform/qt/QtBatchProgress.h"

#include <QApplication>

#include "platform/qt/QtText.h"

namespace kel {

QtBatchProgress::QtBatchProgress() : FDialog(QApplication::activeWindow()) {
  FDialog.setWindowTitle(ApplicationTitle());
  // Application-modal: the window takes no input while the batch runs, but
  // the Cancel button does.
  FDialog.setWindowModality(Qt::ApplicationModal);
  FDialog.setCancelButtonText(QObject::tr("Cancel"));
  FDialog.setAutoReset(false);
  FDialog.setAutoClose(false);
  FDialog.setMinimumDuration(0);
}

void QtBatchProgress::Show(int k, int n, std::u16string_view fileName) {
  FDialog.setMaximum(n);
  FDialog.setLabelText(ToQString(BatchProgressText(k, n, fileName)));
  // Shown from the first file on, not only once the batch seems long.
  if (!FDialog.isVisible()) FDialog.show();
  FDialog.setValue(k - 1);  // lets pending input through
}

bool QtBatchProgress::Cancelled() {
  QCoreApplication::processEvents();
  return FDialog.wasCanceled();
}

}  // namespace kel
