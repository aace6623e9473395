// The Qt implementations of the window's services, driven through their
// modal loops by timers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/ApplicationFailure.h"
#include "persist/Exceptions.h"
#include "platform/qt/QtBatchProgress.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtFileOpenDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "tests/app/FormFakes.h"

namespace kel {
namespace {

namespace fs = std::filesystem;

// Runs `action` on the modal widget once the modal loop has started.
template <typename Widget>
void WhenModal(std::function<void(Widget&)> action) {
  QTimer::singleShot(0, [action] {
    auto* widget = qobject_cast<Widget*>(QApplication::activeModalWidget());
    ASSERT_NE(widget, nullptr);
    action(*widget);
  });
}

TEST(QtFileOpenDialogTest, FileModeOffersTheFileTypeAndReturnsTheChosenFile) {
  const fs::path file =
      fs::temp_directory_path() / ("kel-chooser-" + std::to_string(getpid()) + ".kel");
  std::ofstream(file) << "object Chart1\nend\n";
  QtFileOpenDialog chooser;
  chooser.AddFileType(u"KelChart template", u"*.kel");
  chooser.Prepare();
  EXPECT_EQ(chooser.Dialog().nameFilters(), QStringList{"KelChart template (*.kel)"});
  EXPECT_EQ(chooser.Dialog().fileMode(), QFileDialog::ExistingFile);

  WhenModal<QFileDialog>([&](QFileDialog& dialog) {
    dialog.selectFile(QString::fromStdString(file.string()));
    static_cast<QDialog&>(dialog).accept();  // QFileDialog::accept checks the choice
  });
  EXPECT_TRUE(chooser.Execute());
  EXPECT_EQ(chooser.FileName(), file.string());
  fs::remove(file);
}

TEST(QtFileOpenDialogTest, PickFoldersChoosesFoldersAndCancelReturnsFalse) {
  QtFileOpenDialog chooser;
  chooser.SetOptions(fdoPickFolders);
  chooser.Prepare();
  EXPECT_EQ(chooser.Dialog().fileMode(), QFileDialog::Directory);
  EXPECT_TRUE(chooser.Dialog().testOption(QFileDialog::ShowDirsOnly));

  WhenModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(chooser.Execute());
}

TEST(QtMessageBoxesTest, BoxesAreTitledWithTheApplicationTitle) {
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
  };
  auto capture = [](Seen& seen) {
    WhenModal<QMessageBox>([&seen](QMessageBox& box) {
      seen = {box.windowTitle(), box.text(), box.icon()};
      box.accept();
    });
  };
  Seen message, failure;
  capture(message);
  QtMessageBox().Show(u"Conversion completed!");
  capture(failure);
  QtFailureReport().Show(u"Wrong *.kel file format");

  EXPECT_EQ(message.title, "kel-converter");
  EXPECT_EQ(message.text, "Conversion completed!");
  EXPECT_EQ(message.icon, QMessageBox::Information);
  EXPECT_EQ(failure.title, "kel-converter");
  EXPECT_EQ(failure.text, "Wrong *.kel file format.");
  EXPECT_EQ(failure.icon, QMessageBox::Critical);
}

TEST(QtBatchProgressTest, ShowsFileCountAndReportsCancel) {
  QtBatchProgress progress;
  progress.Show(2, 5, u"b.kel");
  QProgressDialog& dialog = progress.Dialog();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(dialog.labelText(), "Converting file 2 of 5\nb.kel");
  EXPECT_EQ(dialog.value(), 1);
  EXPECT_EQ(dialog.maximum(), 5);
  EXPECT_FALSE(progress.Cancelled());

  QPushButton* cancel = dialog.findChild<QPushButton*>();
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Cancel");
  cancel->click();
  EXPECT_TRUE(progress.Cancelled());
}

TEST(QtClipboardTest, PutsTheTextOnTheSystemClipboard) {
  QtClipboard().SetText(u"Sales\t12,5 €");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Sales\t12,5 €"));
}

TEST(ApplicationFailureTest, FailureMessageOfEachKind) {
  struct Case {
    const char* name;
    std::exception_ptr failure;
    std::u16string message;
  } cases[] = {
      {"kel", std::make_exception_ptr(Exception("Empty *.kel file")), u"Empty *.kel file"},
      {"std", std::make_exception_ptr(std::runtime_error("Grüße")), u"Grüße"},
      {"control characters", std::make_exception_ptr(Exception("Class T\nX\x01 not found")),
       u"Class T\\nX\\x01 not found"},
      {"memory", std::make_exception_ptr(std::bad_alloc()), u"Out of memory"},
      {"other", std::make_exception_ptr(42), u"Unknown failure"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FailureMessage(c.failure), c.message);
  }
}

TEST(ApplicationFailureTest, HandlerFailureGoesToTheReport) {
  test::EventLog log;
  test::FakeFailureReport report(log);
  RunEventHandler(report, [] {});
  RunEventHandler(report,
                  [] { throw EFOpenError("Cannot open file \"x.kel\". Permission denied"); });
  EXPECT_EQ(log, (test::EventLog{"error Cannot open file \"x.kel\". Permission denied."}));
}

}  // namespace
}  // namespace kel
