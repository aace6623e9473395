// kelconv: converts chart files from the command line, through the same
// conversion as the window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "model/catalogue/Registration.h"
#include "platform/MessageText.h"
#include "platform/OptionStore.h"
#include "platform/TemporaryFiles.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  kel::RemoveTemporaryFilesOnSignals();
  kel::SetUserOptions(kel::LoadUserOptionStore());
  kel::RegisterModelClasses();
  try {
    return kel::RunCommand(kel::ParseCommandLine(arguments), std::cout, std::cerr);
  } catch (const kel::UsageError& error) {
    std::cerr << "kelconv: " << kel::EscapeControlCharacters(error.what())
              << "\nTry 'kelconv --help'.\n";
    return 2;
  }
}
