#pragma once
// The modes that need no window: --dump, --render and --print-pdf.
#include "command_line.h"

namespace zorvel {

// Where the program keeps its settings file: beside the program, or in the
// per-user configuration folder when the program's folder cannot be written.
// Only names it; nothing is created.
QString findProgramDir();

// argc and argv are handed to the application object and must
// outlive the call. Returns the process's exit status.
int runHeadless(const CommandLine& command, int& argc, char** argv);

} // namespace zorvel
