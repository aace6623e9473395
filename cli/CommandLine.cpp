#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>

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

// The formats of a comma-separated list, each once.
std::vector<TExportFormat> ExportFormatList(const std::string& list) {
  std::vector<TExportFormat> formats;
  size_t start = 0;
  while (true) {
    const size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma - start);
    const std::optional<TExportFormatInfo> info = ExportFormatNamed(name);
    if (!info)
      throw UsageError("unknown export format '" + name + "' (use xml, text, html, json, xls)");
    if (std::find(formats.begin(), formats.end(), info->Format) == formats.end())
      formats.push_back(info->Format);
    if (comma == std::string::npos) return formats;
    start = comma + 1;
  }
}

}  // namespace

const char* UsageText() {
  return "Usage:\n"
         "  kelconv [--no-data] PATH...   convert each chart file, and every *.kel file of\n"
         "                                each folder, to NAME.txt (and NAME.xml when data\n"
         "                                are wanted and the chart has series)\n"
         "  kelconv --export FORMATS PATH...\n"
         "                                the same, with one document of the values per\n"
         "                                format instead of NAME.xml; FORMATS is a comma-\n"
         "                                separated list of xml, text, html, json, xls\n"
         "                                (NAME.xml, .tsv, .html, .json, .xls)\n"
         "  kelconv to-text IN OUT        a chart file in either form to its text form;\n"
         "                                IN and OUT may be - (standard input/output)\n"
         "  kelconv to-binary IN OUT      a chart file in either form to its binary form\n"
         "  kelconv --help | --version\n"
         "\n"
         "Exit status: 0 when everything converted, 1 when any input failed, 2 for a\n"
         "usage error. Each failure is reported as one line PATH: MESSAGE.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw UsageError("no input given");
  CommandLine line;
  bool help = false;
  bool version = false;
  bool noData = false;

  CLI::App app("kelconv");
  app.set_help_flag();  // the usage text is our own
  app.allow_extras();
  app.add_flag("--help", help);
  app.add_flag("--version", version);
  app.add_flag("--no-data", noData);
  std::optional<std::string> exports;
  app.add_option("--export", exports);
  app.add_option("PATH", line.paths);
  std::vector<std::string> streamPaths;
  CLI::App* toText = AddStreamConversion(app, "to-text", streamPaths);
  CLI::App* toBinary = AddStreamConversion(app, "to-binary", streamPaths);
  app.require_subcommand(0, 1);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError&) {
    // A stream conversion with more or fewer paths, or --export without its
    // list or given twice, gets here.
    if (toText->parsed() || toBinary->parsed() || arguments.front() == "to-text" ||
        arguments.front() == "to-binary")
      throw UsageError(arguments.front() + " needs IN and OUT");
    const auto exportOptions = std::count_if(arguments.begin(), arguments.end(), [](auto& a) {
      return a == "--export" || a.starts_with("--export=");
    });
    throw UsageError(exportOptions > 1 ? "--export given more than once"
                                       : "--export needs FORMATS");
  }
  if (help || version) {
    if (arguments.size() > 1)
      throw UsageError("unexpected argument after " + std::string(help ? "--help" : "--version"));
    line.command = help ? Command::Help : Command::Version;
    return line;
  }
  for (const CLI::App* command : {&app, toText, toBinary}) RefuseExtras(*command);
  if (toText->parsed() || toBinary->parsed()) {
    if (streamPaths.size() != 2) throw UsageError(arguments.front() + " needs IN and OUT");
    if (noData || exports || !line.paths.empty())
      throw UsageError("to-text and to-binary take only IN and OUT");
    line.paths = std::move(streamPaths);
    line.command = toText->parsed() ? Command::ToText : Command::ToBinary;
    return line;
  }
  line.command = Command::Convert;
  line.conversion.includeData = !noData;
  if (exports) {
    if (noData) throw UsageError("--export writes data; it cannot go with --no-data");
    line.conversion.exports = ExportFormatList(*exports);
  }
  if (line.paths.empty()) throw UsageError("no input given");
  return line;
}

}  // namespace kel
