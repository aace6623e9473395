// The window driving the store's real conversion on copies of the samples:
// what a user sees and which files appear.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/TForm1.h"
#include "model/catalogue/Registration.h"
#include "store/ChartConversion.h"
#include "tests/app/FormFakes.h"

namespace kel {
namespace {

namespace fs = std::filesystem;
using test::EventLog;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

class WindowConversionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kel-window-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    FormServices services = fakes_.Make();
    services.ConvertChartFile = [](const std::string& path, bool includeData) {
      ConvertChartFile(path, {.includeData = includeData});
    };
    form_ = std::make_unique<TForm1>(std::move(services));
    form_->show();
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Sample(const char* name, const char* copyName) {
    fs::copy_file(fs::path(KEL_SAMPLES) / name, folder_ / copyName);
    return folder_ / copyName;
  }
  EventLog Choose(bool folderMode, const fs::path& path) {
    QAbstractButton* item = form_->RadioGroup1->Item(folderMode ? 1 : 0);
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
    fakes_.chooser = {.confirm = true, .path = path.string()};
    fakes_.log.clear();
    QTest::mouseClick(form_->FileButton, Qt::LeftButton);
    return fakes_.log;
  }

  test::FakeServices fakes_;
  std::unique_ptr<TForm1> form_;
  fs::path folder_;
};

TEST_F(WindowConversionTest, FileModeWritesTheTextForm) {
  const fs::path input = Sample("sales.kel", "sales.kel");
  EXPECT_EQ(Choose(false, input), (EventLog{"chooser options=0 types=KelChart template (*.kel)",
                                            "chooser released", "message Conversion completed!"}));
  EXPECT_EQ(ReadFile(folder_ / "sales.txt").rfind("object ", 0), 0u);
}

TEST_F(WindowConversionTest, EmptyFileIsReportedAndWritesNothing) {
  std::ofstream(folder_ / "empty.kel").close();
  const EventLog log = Choose(false, folder_ / "empty.kel");
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[log.size() - 2], "message Conversion completed!");
  EXPECT_EQ(log.back(), "error Empty *.kel file.");
  EXPECT_FALSE(fs::exists(folder_ / "empty.txt"));
}

TEST_F(WindowConversionTest, FolderModeStopsAtTheFirstFileThatIsNoChart) {
  for (const char* name : {"a.kel", "b.kel", "c.kel", "d.kel"}) Sample("sales.kel", name);
  Sample("quarterly.kel", "notes.txt");
  const std::vector<std::string> order = FindFiles(folder_.string(), "*.kel");
  ASSERT_EQ(order.size(), 4u);
  std::ofstream(folder_ / order[2], std::ios::trunc) << "This is no chart.\n";

  const EventLog log = Choose(true, folder_);
  EXPECT_EQ(log[log.size() - 2], "message Conversion completed!");
  EXPECT_EQ(log.back(), "error Wrong *.kel file format.");
  for (size_t k = 0; k < order.size(); ++k) {
    SCOPED_TRACE(order[k]);
    const fs::path output = folder_ / (order[k].substr(0, order[k].size() - 4) + ".txt");
    EXPECT_EQ(fs::exists(output), k < 2);
  }
  EXPECT_EQ(ReadFile(folder_ / "notes.txt"), ReadFile(fs::path(KEL_SAMPLES) / "quarterly.kel"));
}

TEST_F(WindowConversionTest, FolderModeFailsAChartWhoseOutputsAnEarlierOneWrote) {
  Sample("sales.kel", "a.kel");
  Sample("quarterly.kel", "a.KEL");
  const std::vector<std::string> order = FindFiles(folder_.string(), "*.kel");
  ASSERT_EQ(order.size(), 2u);

  const EventLog log = Choose(true, folder_);
  EXPECT_EQ(log[log.size() - 2], "message Conversion completed!");
  EXPECT_EQ(log.back(), "error Cannot write file \"" + (folder_ / "a.txt").string() +
                            "\": it is written from \"" + (folder_ / order[0]).string() + "\"");
  // a.txt holds the earlier chart's text.
  const fs::path earlier = Sample(order[0] == "a.kel" ? "sales.kel" : "quarterly.kel", "b.kel");
  ConvertChartFile(earlier, {});
  EXPECT_EQ(ReadFile(folder_ / "a.txt"), ReadFile(folder_ / "b.txt"));
}

}  // namespace
}  // namespace kel
