#include "appearance.h"
#include "frmquarnel.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarnel"));
    setUpAppearance(app);
    frmQuarnel window;
    window.show();
    return app.exec();
}
