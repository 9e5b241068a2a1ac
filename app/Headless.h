#pragma once

namespace plovex {

// True when the arguments ask for a headless command (any "--option", "-h", "-v") rather
// than the window; file names alone open the window.
bool IsHeadlessCommand(int argc, char** argv);

// Runs the headless command: prints to standard output and error and returns the exit
// status (0 success, 1 a parse error, 2 a usage, file or document error).
int RunHeadless(int argc, char** argv);

} // namespace plovex
