#include "app/TForm1.h"

#include "app/ApplicationFailure.h"
#include "platform/Path.h"
#include "platform/qt/QtText.h"
#include "store/ChartConversion.h"

namespace kel {

TForm1::TForm1(FormServices services) : FServices(std::move(services)) {
  CreateControls();
  FormCreate();
}

void TForm1::CreateControls() {
  setWindowTitle("Kel to text format converter");
  move(390, 189);
  resize(211, 209);
  QFont font("MS Sans Serif");
  font.setStyleHint(QFont::SansSerif);  // where that face is missing
  font.setPointSize(8);
  setFont(font);

  FileButton = new QPushButton("Choose file", this);
  FileButton->setGeometry(16, 159, 177, 41);
  DataCheckBox = new QCheckBox("Include Data", this);
  DataCheckBox->setGeometry(16, 16, 97, 17);
  DataCheckBox->setChecked(true);
  RadioGroup1 = new RadioGroup("What do you want to convert?", {"File", "Folder"}, this);
  RadioGroup1->setGeometry(16, 56, 177, 81);
  RadioGroup1->SetItemIndex(0);

  // Tab order: the button, the check box, then the radio group.
  setTabOrder(FileButton, DataCheckBox);
  setTabOrder(DataCheckBox, RadioGroup1->Item(0));
  setTabOrder(RadioGroup1->Item(0), RadioGroup1->Item(1));
  FileButton->setFocus();

  ConnectHandler(FileButton, &QPushButton::clicked, &TForm1::FileButtonClick);
  ConnectHandler(DataCheckBox, &QCheckBox::clicked, &TForm1::DataCheckBoxClick);
  ConnectHandler(&RadioGroup1->Buttons(), &QButtonGroup::idClicked, &TForm1::RadioGroup1Click);
}

template <typename Sender, typename Signal>
void TForm1::ConnectHandler(Sender* sender, Signal signal, void (TForm1::*handler)()) {
  connect(sender, signal, this,
          [this, handler] { RunEventHandler(*FServices.Failures, [&] { (this->*handler)(); }); });
}

void TForm1::FormCreate() {
  FIncludeData = true;
  DataCheckBox->setChecked(true);
}

void TForm1::DataCheckBoxClick() {
  FIncludeData = DataCheckBox->isChecked();
}

void TForm1::RadioGroup1Click() {
  FileButton->setText(RadioGroup1->ItemIndex() == 1 ? "Choose Folder" : "Choose File");
}

void TForm1::FileButtonClick() {
  // A chooser that cannot be created fails before any conversion, without the
  // completion message; once created, it is released before that message.
  std::unique_ptr<FileOpenDialog> created = FServices.CreateFileOpenDialog();
  ConvertThenComplete([&] {
    const std::unique_ptr<FileOpenDialog> chooser = std::move(created);
    if (RadioGroup1->ItemIndex() != 0) {
      chooser->SetOptions(fdoPickFolders);
      if (chooser->Execute()) ConvertFolder(chooser->FileName());
    } else {
      chooser->AddFileType(u"KelChart template", u"*.kel");
      if (chooser->Execute()) ConvertFile(chooser->FileName());
    }
  });
}

void TForm1::OpenFile(const std::string& path) {
  RunEventHandler(*FServices.Failures, [&] { ConvertThenComplete([&] { ConvertFile(path); }); });
}

void TForm1::ConvertThenComplete(const std::function<void()>& conversion) {
  std::exception_ptr failure;
  try {
    conversion();
  } catch (...) {
    failure = std::current_exception();
  }
  FServices.Messages->Show(u"Conversion completed!");
  if (failure) std::rethrow_exception(failure);
}

void TForm1::ConvertFile(const std::string& path) {
  // The store loads the chart, writes NAME.txt and, with data and at least
  // one series, exports the series values to NAME.xml (ExportSeriesXml);
  // outputs are replaced atomically, so a failure leaves earlier ones intact.
  FServices.ConvertChartFile(path, FIncludeData);
}

void TForm1::ConvertFolder(const std::string& folder) {
  // A folder that cannot be listed is a failure, not an empty folder. The
  // matches are listed before converting so that the progress can count
  // them; the conversion's own outputs never match the mask.
  CheckFolderReadable(folder);
  const std::vector<std::string> names =
      FindFiles(*FServices.CreateDirectorySearch(), folder, "*.kel");
  if (names.empty()) return;
  const std::unique_ptr<BatchProgress> progress = FServices.CreateBatchProgress();
  // A name that differs from an earlier one only in case (a.kel, a.KEL)
  // would replace that file's outputs: it fails instead.
  BatchOutputClaims claims;
  const int count = static_cast<int>(names.size());
  for (int k = 1; k <= count; ++k) {
    const std::string& name = names[k - 1];
    progress->Show(k, count, ToU16String(QFile::decodeName(name.c_str())));
    const std::string path = JoinPath(folder, name);
    claims.Claim(path, {.includeData = FIncludeData});
    ConvertFile(path);
    if (progress->Cancelled()) break;
  }
}

}  // namespace kel
