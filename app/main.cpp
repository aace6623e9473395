// The converter program: start-up registrations, the window, the event loop.
// With --screenshot FILE it saves an image of the window instead of waiting
// for the user (used to document the window).
#include <QApplication>
#include <QCommandLineParser>

#include "app/QtFormServices.h"
#include "app/TForm1.h"
#include "model/catalogue/Registration.h"
#include "platform/OptionStore.h"
#include "platform/qt/QtClipboard.h"
#include "store/ChartConversion.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("kel-converter");
  QApplication::setApplicationVersion(KEL_VERSION);

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption screenshot("screenshot", "Save an image of the window to FILE and exit.",
                                      "FILE");
  parser.addOption(screenshot);
  parser.process(application);

  // Start-up registrations: the chart reads the user's options, the data
  // exports copy to the system clipboard, and every class a chart file can
  // name is registered before any file is read.
  kel::SetUserOptions(kel::LoadUserOptionStore());
  kel::QtClipboard clipboard;
  kel::SetSystemClipboard(&clipboard);
  kel::RegisterModelClasses();

  kel::TForm1 form(kel::QtFormServices(kel::ConvertChartFile));
  form.show();
  if (parser.isSet(screenshot)) {
    QApplication::processEvents();
    return form.grab().save(parser.value(screenshot)) ? 0 : 1;
  }
  return application.exec();
}
