#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/TForm1.h"
#include "tests/app/FormFakes.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

namespace kel {
namespace {

namespace fs = std::filesystem;
using test::EventLog;
using test::FakeServices;

class TForm1Test : public ::testing::Test {
 protected:
  void SetUp() override { form_.show(); }

  // Clicks near the left edge, where radio buttons and check boxes have
  // their indicator.
  void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
  }
  // Clicks the button and returns what happened.
  EventLog ClickFileButton() {
    services_.log.clear();
    Click(form_.FileButton);
    return services_.log;
  }

  FakeServices services_;
  TForm1 form_{services_.Make()};
};

TEST_F(TForm1Test, StartsWithDataCheckedFileSelectedAndStoredCaption) {
  EXPECT_EQ(form_.windowTitle(), "Kel to text format converter");
  EXPECT_EQ(form_.pos(), QPoint(390, 189));
  EXPECT_EQ(form_.size(), QSize(211, 209));
  EXPECT_TRUE(form_.DataCheckBox->isChecked());
  EXPECT_TRUE(form_.IncludeData());
  EXPECT_EQ(form_.RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(form_.FileButton->text(), "Choose file");
  EXPECT_EQ(form_.DataCheckBox->text(), "Include Data");
  EXPECT_EQ(form_.RadioGroup1->title(), "What do you want to convert?");
  EXPECT_EQ(form_.RadioGroup1->Item(0)->text(), "File");
  EXPECT_EQ(form_.RadioGroup1->Item(1)->text(), "Folder");

  struct Case {
    const char* name;
    QWidget* control;
    QRect geometry;
  } cases[] = {
      {"FileButton", form_.FileButton, {16, 159, 177, 41}},
      {"DataCheckBox", form_.DataCheckBox, {16, 16, 97, 17}},
      {"RadioGroup1", form_.RadioGroup1, {16, 56, 177, 81}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.control->geometry(), c.geometry);
    EXPECT_TRUE(c.control->isVisible());
  }
}

TEST_F(TForm1Test, TabOrderIsButtonCheckBoxRadioGroup) {
  QWidget* expected[] = {form_.FileButton, form_.DataCheckBox, form_.RadioGroup1->Item(0)};
  QWidget* widget = form_.FileButton;
  for (QWidget* next : expected) {
    while (widget->focusPolicy() == Qt::NoFocus || !widget->isVisible()) {
      widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(widget, next) << widget->metaObject()->className();
    widget = widget->nextInFocusChain();
  }
}

TEST_F(TForm1Test, RadioGroupClickSetsButtonCaption) {
  Click(form_.RadioGroup1->Item(1));
  EXPECT_EQ(form_.RadioGroup1->ItemIndex(), 1);
  EXPECT_EQ(form_.FileButton->text(), "Choose Folder");
  Click(form_.RadioGroup1->Item(0));
  EXPECT_EQ(form_.RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(form_.FileButton->text(), "Choose File");
}

TEST_F(TForm1Test, CancelledChooserConvertsNothingAndStillCompletes) {
  services_.chooser = {.confirm = false, .path = ""};
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser options=0 types=KelChart template (*.kel)",
                                         "chooser released", "message Conversion completed!"}));
  Click(form_.RadioGroup1->Item(1));
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser options=8 types=", "chooser released",
                                         "message Conversion completed!"}));
}

TEST_F(TForm1Test, FileModeConvertsTheChosenFileWithTheDataFlag) {
  services_.chooser = {.confirm = true, .path = "/data/sales.kel"};
  struct Case {
    int checkBoxClicks;
    bool includeData;
    const char* conversion;
  } cases[] = {
      {0, true, "convert /data/sales.kel data=1"},
      {1, false, "convert /data/sales.kel data=0"},
      {1, true, "convert /data/sales.kel data=1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.conversion);
    for (int i = 0; i < c.checkBoxClicks; ++i) Click(form_.DataCheckBox);
    EXPECT_EQ(form_.DataCheckBox->isChecked(), c.includeData);
    EXPECT_EQ(form_.IncludeData(), c.includeData);
    EXPECT_EQ(ClickFileButton(),
              (EventLog{"chooser options=0 types=KelChart template (*.kel)", c.conversion,
                        "chooser released", "message Conversion completed!"}));
  }
}

TEST_F(TForm1Test, EmptyFileIsReportedAfterCompletionAndWindowCarriesOn) {
  services_.chooser = {.confirm = true, .path = "/data/empty.kel"};
  services_.failures["/data/empty.kel"] = "Empty *.kel file";
  EXPECT_EQ(ClickFileButton(),
            (EventLog{"chooser options=0 types=KelChart template (*.kel)",
                      "convert /data/empty.kel data=1", "chooser released",
                      "message Conversion completed!", "error Empty *.kel file."}));

  services_.chooser.path = "/data/sales.kel";
  EXPECT_EQ(ClickFileButton()[1], "convert /data/sales.kel data=1");
}

TEST_F(TForm1Test, FileGivenOnCommandLineIsConvertedLikeAChosenOne) {
  services_.failures["/data/empty.kel"] = "Empty *.kel file";
  struct Case {
    int checkBoxClicks;
    const char* path;
    EventLog events;
  } cases[] = {
      {0, "/data/sales.kel", {"convert /data/sales.kel data=1", "message Conversion completed!"}},
      {1, "/data/sales.kel", {"convert /data/sales.kel data=0", "message Conversion completed!"}},
      {1,
       "/data/empty.kel",
       {"convert /data/empty.kel data=1", "message Conversion completed!",
        "error Empty *.kel file."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.events.front());
    for (int i = 0; i < c.checkBoxClicks; ++i) Click(form_.DataCheckBox);
    services_.log.clear();
    form_.OpenFile(c.path);
    EXPECT_EQ(services_.log, c.events);
  }
}

// A folder of chart files beside entries the batch must skip.
class TForm1FolderTest : public TForm1Test {
 protected:
  void SetUp() override {
    TForm1Test::SetUp();
    folder_ = fs::temp_directory_path() /
              ("kel-form-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "sub.kel");
    for (const char* name : {"a.kel", "b.kel", "c.kel", "d.kel", "e.kel", "notes.txt", ".h.kel"}) {
      std::ofstream(folder_ / name) << "object Chart1\nend\n";
    }
    order_ = FindFiles(folder_.string(), "*.kel");
    ASSERT_EQ(order_.size(), 5u);
    Click(form_.RadioGroup1->Item(1));
    services_.chooser = {.confirm = true, .path = folder_.string()};
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The log of a batch converting the first `converted` files of the folder.
  EventLog Batch(size_t converted, bool includeData = true) {
    EventLog log{"chooser options=8 types="};
    for (size_t k = 0; k < converted; ++k) {
      log.push_back("progress " + std::to_string(k + 1) + "/5 " + order_[k]);
      log.push_back("convert " + Path(k) + " data=" + (includeData ? "1" : "0"));
    }
    log.push_back("progress closed");
    log.push_back("chooser released");
    log.push_back("message Conversion completed!");
    return log;
  }
  std::string Path(size_t k) const { return (folder_ / order_[k]).string(); }

  fs::path folder_;
  std::vector<std::string> order_;  // the chart files in directory order
};

TEST_F(TForm1FolderTest, ConvertsEveryOrdinaryChartFileInDirectoryOrder) {
  EXPECT_EQ(ClickFileButton(), Batch(5));
  Click(form_.DataCheckBox);
  EXPECT_EQ(ClickFileButton(), Batch(5, false));
}

TEST_F(TForm1FolderTest, NonChartFileInTheMiddleEndsTheBatch) {
  services_.failures[Path(2)] = "Wrong *.kel file format";
  EventLog expected = Batch(3);
  expected.push_back("error Wrong *.kel file format.");
  EXPECT_EQ(ClickFileButton(), expected);
}

TEST_F(TForm1FolderTest, CancelStopsAfterTheFileInHand) {
  services_.cancelAt = 2;
  EXPECT_EQ(ClickFileButton(), Batch(2));
}

TEST_F(TForm1FolderTest, FolderWithoutChartFilesOnlyCompletes) {
  services_.chooser.path = (folder_ / "sub.kel").string();
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser options=8 types=", "chooser released",
                                         "message Conversion completed!"}));
}

TEST_F(TForm1FolderTest, UnreadableFolderIsReportedAfterCompletion) {
  services_.chooser.path = (folder_ / "absent").string();
  EXPECT_EQ(ClickFileButton(), (EventLog{"chooser options=8 types=", "chooser released",
                                         "message Conversion completed!",
                                         "error Cannot open folder \"" + services_.chooser.path +
                                             "\". No such file or directory."}));
}

}  // namespace
}  // namespace kel
