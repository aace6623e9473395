// Fakes of the window's services. All of them write what they are asked to do
// into one event log, so that tests can check the order of chooser,
// conversions, progress and messages.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/FormServices.h"
#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel::test {

using EventLog = std::vector<std::string>;

// What the chooser of the next click does.
struct ChooserScript {
  bool confirm = true;
  std::string path;
};

class FakeFileOpenDialog : public FileOpenDialog {
 public:
  FakeFileOpenDialog(EventLog& log, const ChooserScript& script) : log_(log), script_(script) {}
  ~FakeFileOpenDialog() override { log_.push_back("chooser released"); }

  void AddFileType(const std::u16string& displayName, const std::u16string& mask) override {
    types_ += Utf16ToUtf8(displayName) + " (" + Utf16ToUtf8(mask) + ")";
  }
  void SetOptions(uint32_t options) override { options_ = options; }
  bool Execute() override {
    log_.push_back("chooser options=" + std::to_string(options_) + " types=" + types_);
    return script_.confirm;
  }
  std::string FileName() const override { return script_.path; }

 private:
  EventLog& log_;
  const ChooserScript& script_;
  std::string types_;
  uint32_t options_ = 0;
};

class FakeMessageBox : public MessageBox {
 public:
  explicit FakeMessageBox(EventLog& log) : log_(log) {}
  void Show(const std::u16string& text) override { log_.push_back("message " + Utf16ToUtf8(text)); }

 private:
  EventLog& log_;
};

class FakeFailureReport : public FailureReport {
 public:
  explicit FakeFailureReport(EventLog& log) : log_(log) {}
  void Show(std::u16string_view message) override {
    log_.push_back("error " + Utf16ToUtf8(FailureReportText(message)));
  }

 private:
  EventLog& log_;
};

// Reports the user's Cancel once file `cancelAt` has been shown (0: never).
class FakeBatchProgress : public BatchProgress {
 public:
  FakeBatchProgress(EventLog& log, int cancelAt) : log_(log), cancelAt_(cancelAt) {}
  ~FakeBatchProgress() override { log_.push_back("progress closed"); }

  void Show(int k, int n, std::u16string_view fileName) override {
    shown_ = k;
    log_.push_back("progress " + std::to_string(k) + "/" + std::to_string(n) + " " +
                   Utf16ToUtf8(fileName));
  }
  bool Cancelled() override { return cancelAt_ != 0 && shown_ >= cancelAt_; }

 private:
  EventLog& log_;
  int cancelAt_;
  int shown_ = 0;
};

// The services with fakes: conversions are logged as "convert PATH data=0|1"
// and fail with the message given for their path.
struct FakeServices {
  EventLog log;
  ChooserScript chooser;
  int cancelAt = 0;
  std::map<std::string, std::string> failures;

  FormServices Make() {
    return {
        .CreateFileOpenDialog =
            [this] { return std::make_unique<FakeFileOpenDialog>(log, chooser); },
        .CreateDirectorySearch = [] { return CreateDirectorySearch(); },
        .CreateBatchProgress =
            [this] { return std::make_unique<FakeBatchProgress>(log, cancelAt); },
        .Messages = std::make_shared<FakeMessageBox>(log),
        .Failures = std::make_shared<FakeFailureReport>(log),
        .ConvertChartFile =
            [this](const std::string& path, bool includeData) {
              log.push_back("convert " + path + " data=" + (includeData ? "1" : "0"));
              if (const auto found = failures.find(path); found != failures.end()) {
                throw Exception(found->second);
              }
            },
    };
  }
};

}  // namespace kel::test
