#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
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

// The N of -j N: a whole number of at least 1.
unsigned ParseJobs(const std::string& text) {
  unsigned jobs = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (error != std::errc() || end != text.data() + text.size() || jobs == 0)
    throw UsageError("-j needs a whole number of at least 1, not '" + text + "'");
  return jobs;
}

}  // namespace

const char* UsageText() {
  return "Usage:\n"
         "  kelconv [OPTIONS] PATH...     convert each chart file, and every *.kel file of\n"
         "                                each folder, to NAME.txt (and NAME.xml when data\n"
         "                                are wanted and the chart has series)\n"
         "    --no-data                   no series values: no Data blocks, no XML\n"
         "    --export FORMATS            the documents of the values instead of NAME.xml,\n"
         "                                a comma-separated list of xml, text, html, json,\n"
         "                                xls (NAME.xml, .tsv, .html, .json, .xls)\n"
         "    -j, --jobs N                convert N files at once (default: the\n"
         "                                processors available)\n"
         "    --files-from FILE           convert the paths listed in FILE, one a line\n"
         "                                (- for standard input)\n"
         "    -0                          the listed paths are separated by NUL bytes\n"
         "    --quiet                     no progress line on a terminal\n"
         "    --strict                    a warning (something the reader had to drop)\n"
         "                                fails the file; nothing of it is written\n"
         "  kelconv check PATH...         load each file, write nothing, print warnings\n"
         "                                and failures\n"
         "  kelconv to-text IN OUT        a chart file in either form to its text form;\n"
         "                                IN and OUT may be - (standard input/output)\n"
         "  kelconv to-binary IN OUT      a chart file in either form to its binary form\n"
         "  kelconv --help | --version\n"
         "\n"
         "Exit status: 0 when everything converted, 1 when any input failed, 2 for a\n"
         "usage error (check: 1 also when there was any warning). Each failure is one\n"
         "line PATH: MESSAGE, each dropped entry one line PATH: warning: MESSAGE, in\n"
         "the order of the inputs.\n";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) throw UsageError("no input given");
  CommandLine line;
  bool help = false;
  bool version = false;
  bool noData = false;
  bool nulSeparated = false;
  std::string jobs;
  bool strict = false;

  CLI::App app("kelconv");
  app.set_help_flag();  // the usage text is our own
  app.allow_extras();
  app.add_flag("--help", help);
  app.add_flag("--version", version);
  app.add_flag("--no-data", noData);
  std::optional<std::string> exports;
  app.add_option("--export", exports);
  app.add_option("-j,--jobs", jobs);
  app.add_option("--files-from", line.filesFrom);
  app.add_flag("-0", nulSeparated);
  app.add_flag("--quiet", line.quiet);
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
  } catch (const CLI::ParseError& error) {
    // A stream conversion with more or fewer paths, --export given twice, or
    // an option without its value gets here.
    if (toText->parsed() || toBinary->parsed() || arguments.front() == "to-text" ||
        arguments.front() == "to-binary")
      throw UsageError(arguments.front() + " needs IN and OUT");
    const auto exportOptions = std::count_if(arguments.begin(), arguments.end(), [](auto& a) {
      return a == "--export" || a.starts_with("--export=");
    });
    if (exportOptions > 1) throw UsageError("--export given more than once");
    throw UsageError(error.what());
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
    if (noData || strict || exports || !line.paths.empty() || !jobs.empty() ||
        !line.filesFrom.empty() || nulSeparated || line.quiet)
      throw UsageError("to-text and to-binary take only IN and OUT");
    line.paths = std::move(streamPaths);
    line.command = toText->parsed() ? Command::ToText : Command::ToBinary;
    return line;
  }
  if (check->parsed()) {
    if (noData || strict || exports || !line.paths.empty() || !jobs.empty() ||
        !line.filesFrom.empty() || nulSeparated || line.quiet)
      throw UsageError("check takes only paths");
    if (checkPaths.empty()) throw UsageError("no input given");
    line.paths = std::move(checkPaths);
    line.command = Command::Check;
    return line;
  }
  line.command = Command::Convert;
  line.conversion.includeData = !noData;
  if (exports) {
    if (noData) throw UsageError("--export writes data; it cannot go with --no-data");
    line.conversion.exports = ExportFormatList(*exports);
  }
  line.conversion.strict = strict;
  if (!jobs.empty()) line.jobs = ParseJobs(jobs);
  if (nulSeparated && line.filesFrom.empty()) throw UsageError("-0 needs --files-from");
  line.listSeparator = nulSeparated ? '\0' : '\n';
  if (line.paths.empty() && line.filesFrom.empty()) throw UsageError("no input given");
  return line;
}

}  // namespace kel
