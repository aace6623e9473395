// The window with the real Qt choosers, message boxes and progress dialog,
// answered by a timer as a user would answer them; only the conversion is
// faked.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "app/QtFormServices.h"
#include "app/TForm1.h"
#include "persist/Exceptions.h"

namespace kel {
namespace {

namespace fs = std::filesystem;
using EventLog = std::vector<std::string>;

class RealDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kel-dialogs-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    for (const char* name : {"a.kel", "b.kel", "c.kel"}) std::ofstream(folder_ / name) << "x";
    order_ = FindFiles(folder_.string(), "*.kel");
    form_ = std::make_unique<TForm1>(
        QtFormServices([this](const std::string& path, bool) { Convert(path); }));
    form_->show();
    QAbstractButton* folderItem = form_->RadioGroup1->Item(1);
    QTest::mouseClick(folderItem, Qt::LeftButton, {}, QPoint(6, folderItem->height() / 2));

    // Answers the chooser with the folder and acknowledges message boxes.
    answerer_.setInterval(5);
    QObject::connect(&answerer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
        log_.push_back("chooser");
        chooser->selectFile(QString::fromStdString(folder_.string()));
        static_cast<QDialog*>(chooser)->accept();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        log_.push_back((box->icon() == QMessageBox::Critical ? "error " : "message ") +
                       box->windowTitle().toStdString() + ": " + box->text().toStdString());
        box->accept();
      }
    });
    answerer_.start();
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The fake conversion notes the progress dialog that is up meanwhile.
  void Convert(const std::string& path) {
    auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
    log_.push_back("convert " + fs::path(path).filename().string() + " under \"" +
                   (progress ? progress->labelText().toStdString() : "no progress") + "\"");
    if (path == Path(cancelAt_) && progress) progress->findChild<QPushButton*>()->click();
    if (path == Path(failAt_)) throw Exception("Wrong *.kel file format");
  }
  std::string Path(size_t k) const {
    return k < order_.size() ? (folder_ / order_[k]).string() : "";
  }
  std::string Converting(size_t k) const {
    return "convert " + order_[k] + " under \"Converting file " + std::to_string(k + 1) +
           " of 3\n" + order_[k] + "\"";
  }

  EventLog ClickFileButton() {
    QTest::mouseClick(form_->FileButton, Qt::LeftButton);
    answerer_.stop();
    return log_;
  }

  fs::path folder_;
  std::vector<std::string> order_;
  size_t cancelAt_ = 99, failAt_ = 99;
  EventLog log_;
  QTimer answerer_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(RealDialogsTest, FolderBatchShowsProgressThenCompletion) {
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser", Converting(0), Converting(1), Converting(2),
                                         "message kel-converter: Conversion completed!"}));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(RealDialogsTest, CancelStopsAfterTheFileInHand) {
  cancelAt_ = 1;
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser", Converting(0), Converting(1),
                                         "message kel-converter: Conversion completed!"}));
}

TEST_F(RealDialogsTest, FailureIsReportedAfterCompletion) {
  failAt_ = 1;
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser", Converting(0), Converting(1),
                                         "message kel-converter: Conversion completed!",
                                         "error kel-converter: Wrong *.kel file format."}));
}

}  // namespace
}  // namespace kel
