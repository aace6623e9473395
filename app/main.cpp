// The converter program: start-up registrations, the window, the event loop.
// With --screenshot FILE it saves an image of the window instead of waiting
// for the user (used to document the window).
#include <QApplication>
#include <QCommandLineParser>

#include "app/TForm1.h"
#include "platform/OptionStore.h"
#include "platform/qt/QtBatchProgress.h"
#include "platform/qt/QtFileOpenDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "store/ChartConversion.h"

namespace {

kel::FormServices ApplicationServices() {
  return {
      .CreateFileOpenDialog = [] { return std::make_unique<kel::QtFileOpenDialog>(); },
      .CreateDirectorySearch = [] { return kel::CreateDirectorySearch(); },
      .CreateBatchProgress = [] { return std::make_unique<kel::QtBatchProgress>(); },
      .Messages = std::make_shared<kel::QtMessageBox>(),
      .Failures = std::make_shared<kel::QtFailureReport>(),
      .ConvertChartFile = kel::ConvertChartFile,
  };
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("kel-converter");

  QCommandLineParser parser;
  const QCommandLineOption screenshot("screenshot", "Save an image of the window to FILE and exit.",
                                      "FILE");
  parser.addOption(screenshot);
  parser.process(application);

  // Start-up registrations: the chart reads the user's options; the chart
  // classes are registered by the store on first use.
  kel::SetUserOptions(kel::LoadUserOptionStore());

  kel::TForm1 form(ApplicationServices());
  form.show();
  if (parser.isSet(screenshot)) {
    QApplication::processEvents();
    return form.grab().save(parser.value(screenshot)) ? 0 : 1;
  }
  return application.exec();
}
