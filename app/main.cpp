#include "appearance.h"
#include "fontwarmup.h"
#include "frmquarnel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontWarmUp fonts; // overlaps fontconfig's start with the display connection
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    setUpAppearance(app);
    fonts.wait(); // the window's controls are the first to use a font
    frmQuarnel window;
    window.show();
    return app.exec();
}
