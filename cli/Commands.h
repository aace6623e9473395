// Carrying out a parsed kelconv command.
#pragma once

#include <ostream>

#include "cli/CommandLine.h"

namespace kel {

// Runs the command; returns the exit status (0 all converted, 1 some input
// failed, or for a check also dropped something). Every input that can be
// converted is; each failure is one line "PATH: MESSAGE" on `errors`, each
// dropped entry one line "PATH: warning: MESSAGE".
int RunCommand(const CommandLine& line, std::ostream& out, std::ostream& errors);

}  // namespace kel
