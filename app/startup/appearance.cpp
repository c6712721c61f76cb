// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/appearance.h"

#include "picture/zoomstyle.h"
#include "startup/windowicon.h"
#include "window/controltable.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

void setUpAppearance(QApplication &app)
{
    // Fusion, with its pixel sizes at the window's zoom.
    app.setStyle(new ZoomStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    // The icon every window and dialog shows, and the launcher (data/) that
    // desktops match the running program to.
    app.setWindowIcon(quarnelWindowIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quarnel.Quarnel"));
    // Liberation Serif and Sans have the metrics of Times New Roman and Arial,
    // so captions fill their laid-out boxes as they were designed to.
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // Also the font a text field lays out its first (empty) line in before it
    // takes its own: with the desktop's default there, the first field would
    // load a font that nothing in the program shows.
    QApplication::setFont(dialogFont());
}
