// SPDX-License-Identifier: MIT
#include "startup/appearance.h"
#include "startup/commandline.h"
#include "startup/fontwarmup.h"
#include "window/frmquarnel.h"
#include "startup/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status; // --help, --version or an argument the program does not know
    FontWarmUp fonts; // overlaps fontconfig's start with the display connection
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight); // the layout is fixed; -reverse too
    installTranslations(); // the desktop's language, before the window's first text
    setUpAppearance(app);
    fonts.wait(); // the window's controls are the first to use a font
    frmQuarnel window;
    window.show();
    return app.exec();
}
