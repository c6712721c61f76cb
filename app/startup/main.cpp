// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "picture/wholefile.h"
#include "run/runlog.h"
#include "startup/appearance.h"
#include "startup/commandline.h"
#include "startup/fontwarmup.h"
#include "startup/signalquit.h"
#include "startup/translations.h"
#include "window/frmquarnel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler qtHandler = nullptr;
bool privateFolderMade = false;

// Without a display Qt reports why and then aborts the program, leaving a core.
// A user is told instead, and the program ends with status 1.
void noWindowWithoutDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "quarnel: cannot open the window: no display could be reached (Qt says: %s)\n",
                 qPrintable(message.section(QLatin1Char('.'), 0, 0)));
    std::fflush(stderr);
    if (privateFolderMade) // _Exit does not remove it
        QDir(privateFolder()).removeRecursively();
    std::_Exit(1);
}

// The sound's client (libpulse) makes a cookie file under HOME when it finds
// none ($XDG_CONFIG_HOME/pulse/cookie, ~/.config by default). Pointed at a name
// in the private folder, it makes the cookie there, which goes with the folder.
void keepSoundClientOutOfHome()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config");
    if (qEnvironmentVariableIsSet("PULSE_COOKIE") || QFile::exists(config + "/pulse/cookie")
        || QFile::exists(QDir::homePath() + "/.pulse-cookie"))
        return;
    qputenv("PULSE_COOKIE", QFile::encodeName(QDir(privateFolder()).filePath("pulse-cookie")));
    privateFolderMade = true;
}
} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = readCommandLine(argc, argv))
        return *status;
    keepSoundClientOutOfHome(); // before any thread: it sets the environment
    FontWarmUp fonts;           // overlaps fontconfig's start with the display connection
    qtHandler = qInstallMessageHandler(noWindowWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    const SignalQuit signalQuit;
    if (const std::optional<int> status = refuseUnknownArguments(QApplication::arguments()))
        return *status;
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight); // the layout is fixed; -reverse too
    enableRunLogFromEnvironment();
    installTranslations(); // the desktop's language, before the window's first text
    setUpAppearance(app);
    fonts.wait(); // the window's controls are the first to use a font
    frmQuarnel window;
    window.show();
    return app.exec();
}
