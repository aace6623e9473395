#include "cli/CommandLine.h"

namespace kel {

const char* UsageText() {
  return "Usage:\n"
         "  kelconv [--no-data] PATH...   convert each chart file, and every *.kel file of\n"
         "                                each folder, to NAME.txt (and NAME.xml when data\n"
         "                                are wanted and the chart has series)\n"
         "  kelconv to-text IN OUT        a chart file in either form to its text form;\n"
         "                                OUT may be - for standard output\n"
         "  kelconv to-binary IN OUT      a chart file in either form to its binary form\n"
         "  kelconv --help | --version\n"
         "\n"
         "Exit status: 0 when everything converted, 1 when any input failed, 2 for a\n"
         "usage error. Each failure is reported as one line PATH: MESSAGE.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  if (arguments.empty()) throw UsageError("no input given");
  const std::string& first = arguments.front();
  if (first == "--help" || first == "--version") {
    if (arguments.size() > 1) throw UsageError("unexpected argument after " + first);
    line.command = first == "--help" ? Command::Help : Command::Version;
    return line;
  }
  if (first == "to-text" || first == "to-binary") {
    if (arguments.size() != 3) throw UsageError(first + " needs IN and OUT");
    line.command = first == "to-text" ? Command::ToText : Command::ToBinary;
    line.paths.assign(arguments.begin() + 1, arguments.end());
    return line;
  }
  line.command = Command::Convert;
  bool options = true;
  for (const std::string& argument : arguments) {
    if (options && argument == "--") {
      options = false;
    } else if (options && argument == "--no-data") {
      line.includeData = false;
    } else if (options && argument.size() > 1 && argument[0] == '-') {
      throw UsageError("unknown option " + argument);
    } else {
      line.paths.push_back(argument);
    }
  }
  if (line.paths.empty()) throw UsageError("no input given");
  return line;
}

}  // namespace kel
