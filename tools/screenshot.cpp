// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// quarnel_screenshot FILE.png: renders the Quarnel window after one run with the
// start-up settings, offscreen and through the window's own code, and writes it
// to FILE.png. The run goes straight through, without the slow-down's waits.
// `cmake --build build --target screenshot` refreshes data/screenshots/quarnel.png,
// in English; run by hand it speaks the desktop's language (LANGUAGE=cs).

#include "pacer.h"
#include "run/runsession.h"
#include "startup/appearance.h"
#include "startup/translations.h"
#include "window/frmquarnel.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display by default, so the picture never depends on a desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quarnel_screenshot FILE.png\n");
        return 2;
    }
    installTranslations(); // the desktop's language, as the program itself
    setUpAppearance(app);

    frmQuarnel window;
    window.session().setStepDuration(std::chrono::nanoseconds(0)); // the run at once
    window.show();
    window.cmdStart_Click();
    QApplication::processEvents();

    const QImage image = window.grab().toImage();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "quarnel_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
