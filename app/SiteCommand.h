#pragma once

// "vantelle-pro publish" and "vantelle-pro takedown": the site publisher run from the command
// line, without a window or a display.

#include "app/CommandLine.h"

// Runs the command and returns the program's exit status: 0 when every chosen page is done, 1
// when some were skipped (or the design or site could not be used), 2 is the parser's.
int RunSiteCommand(const TSiteCommandLine &command, char *programName);
