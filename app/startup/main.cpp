// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run/runlog.h"
#include "startup/appearance.h"
#include "startup/commandline.h"
#include "startup/fontwarmup.h"
#include "startup/translations.h"
#include "window/frmquarnel.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler qtHandler = nullptr;

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
    std::_Exit(1);
}
} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = answerHelpOrVersion(argc, argv))
        return *status;
    FontWarmUp fonts; // overlaps fontconfig's start with the display connection
    qtHandler = qInstallMessageHandler(noWindowWithoutDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
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
