// The converter program: start-up registrations, the window, the event loop.
// A chart file given on the command line (what the desktop entry passes) is
// converted as soon as the window is up. With --screenshot FILE it saves an
// image of the window instead of waiting for the user (used to document the
// window).
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "app/QtFormServices.h"
#include "app/TForm1.h"
#include "model/catalogue/Registration.h"
#include "platform/OptionStore.h"
#include "platform/TemporaryFiles.h"
#include "platform/qt/QtClipboard.h"
#include "store/ChartConversion.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("kel-converter");
  QApplication::setApplicationVersion(KEL_VERSION);

  QCommandLineParser parser;
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("FILE", "Chart file (*.kel) to convert on start.", "[FILE]");
  const QCommandLineOption screenshot("screenshot", "Save an image of the window to FILE and exit.",
                                      "FILE");
  parser.addOption(screenshot);
  parser.process(application);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    std::fputs("kel-converter: at most one FILE may be given\n", stderr);
    return 2;
  }

  // A conversion ended by a signal leaves no temporary files behind.
  kel::RemoveTemporaryFilesOnSignals();
  // Start-up registrations: the chart reads the user's options, the data
  // exports copy to the system clipboard, and every class a chart file can
  // name is registered before any file is read.
  kel::SetUserOptions(kel::LoadUserOptionStore());
  kel::QtClipboard clipboard;
  kel::SetSystemClipboard(&clipboard);
  kel::RegisterModelClasses();

  // The window reports failures only; what the reader dropped is not shown.
  kel::TForm1 form(kel::QtFormServices([](const std::string& path, bool includeData) {
    kel::ConvertChartFile(path, {.includeData = includeData});
  }));
  form.show();
  if (parser.isSet(screenshot)) {
    QApplication::processEvents();
    return form.grab().save(parser.value(screenshot)) ? 0 : 1;
  }
  if (!files.isEmpty()) {
    const std::string path = QFile::encodeName(files.front()).toStdString();
    QTimer::singleShot(0, &form, [&form, path] { form.OpenFile(path); });
  }
  return application.exec();
}
