// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "xsession.h"

#include <QElapsedTimer>
#include <QStandardPaths>

QString XSession::missingTools()
{
    QStringList missing;
    for (const char *tool : {"Xvfb", "xdotool", "import"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    }
    return missing.join(", ");
}

XSession::XSession(int depth, QSize screen)
{
    if (const QString missing = missingTools(); !missing.isEmpty()) {
        why_ = "not installed: " + missing;
        return;
    }
    // -displayfd 1: the server picks a free display and writes its number to stdout.
    // -noreset: without it the server resets whenever its last client leaves, and a
    // program launched next on the same session can fail to connect meanwhile.
    server_.start("Xvfb",
                  {"-displayfd", "1", "-screen", "0",
                   QString("%1x%2x%3").arg(screen.width()).arg(screen.height()).arg(depth), "-nolisten",
                   "tcp", "-noreset"});
    if (!server_.waitForStarted(5000)) {
        why_ = "Xvfb did not start";
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QByteArray number;
    while (!number.contains('\n') && clock.elapsed() < 10000) {
        server_.waitForReadyRead(200);
        number += server_.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        why_ = "Xvfb did not report its display";
        return;
    }
    display_ = ":" + QString::fromLatin1(number.trimmed());
}

XSession::~XSession()
{
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(3000))
            server_.kill();
        server_.waitForFinished(1000);
    }
}

QProcessEnvironment XSession::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("QT_SCALE_FACTOR");
    return env;
}

bool XSession::xdotool(const QStringList &arguments, QString *output)
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(10000))
        return false;
    if (output)
        *output = QString::fromLocal8Bit(tool.readAllStandardOutput());
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

void XSession::click(QPoint at)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

void XSession::key(const QString &keysym) { xdotool({"key", keysym}); }

QImage XSession::screenshot()
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start("import", {"-window", "root", "png:-"});
    if (!import.waitForFinished(20000))
        return {};
    return QImage::fromData(import.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
}
