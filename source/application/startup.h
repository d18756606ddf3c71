#pragma once

// Runs the whole application: single-instance check, command-line switches,
// main window and event loop. Returns the process exit code.
int runGarvo(int argc, char *argv[]);
