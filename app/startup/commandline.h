// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <optional>

// The command line, in two passes, as a QCommandLineParser reads it.
//
// Before any application object exists, so without a display: --help and
// --version are answered, and an argument that is neither the program's nor one
// of Qt's options or their values is refused as refuseUnknownArguments does.
// Returns the exit status when the program should stop.
std::optional<int> readCommandLine(int argc, char **argv);

// Once QApplication has taken its own options out of the arguments (-platform,
// -display, -style, ...): whatever is left is refused, with one line on stderr
// and exit status 2.
std::optional<int> refuseUnknownArguments(const QStringList &arguments);
