// Running kelconv from the tests, through the shell so that a command line
// may hold redirections, pipes and environment settings.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/platform/TempFolder.h"

namespace kel::test {

struct ShellRun {
  int status = -1;  // the exit status; -1 when the command did not exit
  std::string out;
  std::string err;
};

// `argument` quoted for the shell.
inline std::string ShellQuote(const std::string& argument) {
  std::string quoted = "'";
  for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// kelconv with each argument quoted.
inline std::string KelconvCommand(const std::vector<std::string>& arguments) {
  std::string command = ShellQuote(KEL_CLI_PATH);
  for (const std::string& argument : arguments) command += " " + ShellQuote(argument);
  return command;
}

// Runs `commandLine` with sh; its standard output and error pass through
// hidden files of `folder`, which are gone again afterwards.
inline ShellRun RunShell(const std::string& commandLine, const TempFolder& folder) {
  const std::string out = folder / ".stdout";
  const std::string err = folder / ".stderr";
  const std::string command =
      "{ " + commandLine + "; } >" + ShellQuote(out) + " 2>" + ShellQuote(err);
  const int result = std::system(command.c_str());
  ShellRun run{WIFEXITED(result) ? WEXITSTATUS(result) : -1, ReadFile(out), ReadFile(err)};
  std::remove(out.c_str());
  std::remove(err.c_str());
  return run;
}

}  // namespace kel::test
