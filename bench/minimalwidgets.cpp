// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// The start-up and memory baseline: the least a Qt Widgets program does, one
// window with one button, built with the same compiler, flags and Qt.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Qt Widgets"));
    window.resize(300, 200);
    QPushButton button(QStringLiteral("Button"), &window);
    button.move(20, 20);
    window.show();
    return app.exec();
}
