// The converter window: a check box for the series data, a choice between one
// file and a whole folder, and the button that chooses and converts.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string>

#include "app/FormServices.h"
#include "app/RadioGroup.h"

namespace kel {

class TForm1 : public QWidget {
 public:
  explicit TForm1(FormServices services);

  // The controls, owned by the window.
  QPushButton* FileButton = nullptr;
  QCheckBox* DataCheckBox = nullptr;
  RadioGroup* RadioGroup1 = nullptr;

  bool IncludeData() const { return FIncludeData; }

  // Event handlers, connected to the controls' clicks.
  void FormCreate();
  void DataCheckBoxClick();
  void RadioGroup1Click();
  // Chooses a file or folder and converts it; "Conversion completed!" is
  // shown in every case, before a failure leaves the handler.
  void FileButtonClick();
  // Converts the file given on the program's command line as if it had been
  // chosen: with the window's data setting, followed by the same messages.
  void OpenFile(const std::string& path);

 private:
  void CreateControls();
  // Connects a control's signal to a handler; failures go to the
  // application's failure report.
  template <typename Sender, typename Signal>
  void ConnectHandler(Sender* sender, Signal signal, void (TForm1::*handler)());

  // Runs a conversion and shows "Conversion completed!" after it, also when
  // it fails; the failure then leaves this function.
  void ConvertThenComplete(const std::function<void()>& conversion);
  void ConvertFile(const std::string& path);
  void ConvertFolder(const std::string& folder);

  FormServices FServices;
  bool FIncludeData = false;
};

}  // namespace kel
