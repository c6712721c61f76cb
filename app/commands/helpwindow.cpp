// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwindow.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Quarnel help"));
    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setOpenExternalLinks(true);
    text->setHtml(
        tr("<h2>What the picture shows</h2>"
           "<p>Light from the <b>source</b> at the left passes a <b>barrier</b> with two slits, "
           "A above and B below the optical axis, and falls on the <b>detector screen</b>. "
           "<b>Start</b> scans the screen from bottom to top, point by point.</p>"
           "<p>For every point the two path lengths from the slits become two <b>phasors</b>, "
           "arrows 25 pixels long turned by the wave number times the path length. They are added "
           "head to tail, and their sum, drawn <b>green</b>, gives the brightness: four times its "
           "squared length. Every twentieth point shows this construction: the pale rays from both "
           "slits, the two black phasors and their green sum.</p>"
           "<p>Right of the plot axis the brightness is plotted at the point's height, as a "
           "<b>bar</b> (patterns Light and Interference) or as random <b>photon dots</b> (pattern "
           "Photon density). Left of the axis three <b>blue markers</b> follow what each slit alone "
           "would give and what both give together.</p>"
           "<h2>The controls</h2>"
           "<ul>"
           "<li><b>Slit spacing</b>: each slit lies 40 (large), 15 (minor), 10 (middle), 5 (small) "
           "or 0 pixels from the optical axis.</li>"
           "<li><b>Detector-Screen distance</b>: the screen stands 200 (large), 150 (middle) or "
           "100 (near) pixels behind the barrier.</li>"
           "<li><b>Frequency</b>: the wave number, how fast the phase turns along a path: 2 "
           "(higher), 0.5 (high), 0.3 (middle) or 0.1 (low) radians per pixel.</li>"
           "<li><b>Pattern</b>: Light weighs the interference by the distance from each slit; "
           "Interference shows the squared length of the phasor sum alone; Photon density draws as "
           "many random dots as photons arrive.</li>"
           "<li>The <b>scroll bar</b> slows the animation down from 1 to 20; each step adds about "
           "1.2 seconds to a run.</li>"
           "</ul>"
           "<h2>Keys</h2>"
           "<ul>"
           "<li>Tab and Shift+Tab go from control to control; the arrow keys choose within a group "
           "and move the scroll bar; Space or Enter presses a button.</li>"
           "<li>Escape stops a run. Input made during a run takes effect when the run ends.</li>"
           "<li>Ctrl+C copies the picture; Ctrl+S saves it as a PNG image.</li>"
           "<li>Ctrl++ and Ctrl+- make the whole window larger and smaller, from 100 to 300 %; "
           "Ctrl+0 brings it back to its normal size. F11 fills the screen, and F11 again "
           "leaves full screen.</li>"
           "<li>F1 opens this help; the menu key, Shift+F10 or the right mouse button open the "
           "picture's menu.</li>"
           "<li>Ctrl+E opens the Explore window: choose a point of the run with Up, Down, Page Up and "
           "Page Down and read its path lengths and phase difference; N and Shift+N go to the next "
           "bright and dark point. Keep runs to compare them, and save or copy the run's table for a "
           "spreadsheet.</li>"
           "</ul>"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(520, 560);
}
