#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>

namespace kel {
namespace {

// The first argument CLI11 could not place: an option nobody declared, or a
// word where none was expected. CLI11 hands back the "--" that ends the
// options too; it has done its work.
void RefuseExtras(const CLI::App& app) {
  for (const std::string& extra : app.remaining()) {
    if (extra == "--") continue;
    throw UsageError(extra.size() > 1 && extra[0] == '-' ? "unknown option " + extra
                                                         : "unexpected argument " + extra);
  }
}

// IN and OUT of a stream conversion, both required.
CLI::App* AddStreamConversion(CLI::App& app,
                              const std::string& name,
                              std::vector<std::string>& paths) {
  CLI::App* command = app.add_subcommand(name);
  command->set_help_flag();
  command->allow_extras();
  command->add_option("IN OUT", paths)->expected(2);
  return command;
}

}  // namespace

const char* UsageText() {
  return "Usage:\n"
         "  kelconv [--no-data] [--strict] PATH...\n"
         "                                convert each chart file, and every *.kel file of\n"
         "                                each folder, to NAME.txt (and NAME.xml when data\n"
         "                                are wanted and the chart has series)\n"
         "    --strict                    a warning (something the reader had to drop)\n"
         "                                fails the file; nothing of it is written\n"
         "  kelconv check PATH...         load each file, write nothing, print warnings\n"
         "                                and failures\n"
         "  kelconv to-text IN OUT        a chart file in either form to its text form;\n"
         "                                OUT may be - for standard output\n"
         "  kelconv to-binary IN OUT      a chart file in either form to its binary form\n"
         "  kelconv --help | --version\n"
         "\n"
         "Exit status: 0 when everything converted, 1 when any input failed, 2 for a\n"
         "usage error (check: 1 also when there was any warning). Each failure is one\n"
         "line PATH: MESSAGE, each dropped entry one line PATH: warning: MESSAGE.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw UsageError("no input given");
  CommandLine line;
  bool help = false;
  bool version = false;
  bool noData = false;
  bool strict = false;

  CLI::App app("kelconv");
  app.set_help_flag();  // the usage text is our own
  app.allow_extras();
  app.add_flag("--help", help);
  app.add_flag("--version", version);
  app.add_flag("--no-data", noData);
  app.add_flag("--strict", strict);
  app.add_option("PATH", line.paths);
  std::vector<std::string> streamPaths;
  CLI::App* toText = AddStreamConversion(app, "to-text", streamPaths);
  CLI::App* toBinary = AddStreamConversion(app, "to-binary", streamPaths);
  std::vector<std::string> checkPaths;
  CLI::App* check = app.add_subcommand("check");
  check->set_help_flag();
  check->allow_extras();
  check->add_option("PATH", checkPaths);
  app.require_subcommand(0, 1);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError&) {
    // Only a stream conversion with more or fewer paths gets here.
    throw UsageError(arguments.front() + " needs IN and OUT");
  }
  if (help || version) {
    if (arguments.size() > 1)
      throw UsageError("unexpected argument after " + std::string(help ? "--help" : "--version"));
    line.command = help ? Command::Help : Command::Version;
    return line;
  }
  for (const CLI::App* command : {&app, toText, toBinary, check}) RefuseExtras(*command);
  if (toText->parsed() || toBinary->parsed()) {
    if (streamPaths.size() != 2) throw UsageError(arguments.front() + " needs IN and OUT");
    if (noData || strict || !line.paths.empty())
      throw UsageError("to-text and to-binary take only IN and OUT");
    line.paths = std::move(streamPaths);
    line.command = toText->parsed() ? Command::ToText : Command::ToBinary;
    return line;
  }
  if (check->parsed()) {
    if (noData || strict || !line.paths.empty()) throw UsageError("check takes only paths");
    if (checkPaths.empty()) throw UsageError("no input given");
    line.paths = std::move(checkPaths);
    line.command = Command::Check;
    return line;
  }
  line.command = Command::Convert;
  line.conversion.includeData = !noData;
  line.conversion.strict = strict;
  if (line.paths.empty()) throw UsageError("no input given");
  return line;
}

}  // namespace kel
