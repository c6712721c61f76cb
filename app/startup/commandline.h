// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// Answers --help and --version and refuses arguments the program does not know,
// before any application object exists, so without a display. Qt's own options
// (-platform, -display, -style, ...) pass for QApplication to read. Returns the
// exit status when the program should stop here, nothing when it should go on.
std::optional<int> handleCommandLine(int argc, char **argv);
