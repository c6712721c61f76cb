// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "tracedquarnel.h"

#include "window/frmquarnel.h"
#include "xsession.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

TracedQuarnel::TracedQuarnel(XSession &session, const QString &binary, const QProcessEnvironment &environment)
    : session_(session)
{
    QProcessEnvironment env = session.environment();
    for (const QString &key : environment.keys())
        env.insert(key, environment.value(key));
    env.insert("QUARNEL_TRACE", "1");
    process_.setProcessEnvironment(env);
    // Its stdout is of no interest; a full pipe must never block it.
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(binary, {});
    process_.waitForStarted(10000);
    clock_.start();
}

TracedQuarnel::~TracedQuarnel()
{
    if (isAlive()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

namespace {
QString titlePattern() { return "^" + QRegularExpression::escape(frmQuarnel::caption) + "$"; }
} // namespace

unsigned long TracedQuarnel::waitForWindow(int timeoutMs)
{
    const QString title = titlePattern();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs && isAlive()) {
        poll(0);
        QString ids;
        if (session_.xdotool({"search", "--onlyvisible", "--name", title}, &ids)) {
            const QString id = ids.split('\n', Qt::SkipEmptyParts).value(0);
            QString shell;
            if (!id.isEmpty() && session_.xdotool({"getwindowgeometry", "--shell", id}, &shell)) {
                QHash<QString, int> values;
                for (const QString &line : shell.split('\n', Qt::SkipEmptyParts))
                    values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
                geometry_ = QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                                  values.value("HEIGHT"));
                window_ = id.toULong();
                return window_;
            }
        }
        poll(100);
    }
    return 0;
}

bool TracedQuarnel::windowShows()
{
    QString ids;
    session_.xdotool({"search", "--onlyvisible", "--name", titlePattern()}, &ids);
    return window_ != 0 && ids.split('\n', Qt::SkipEmptyParts).contains(QString::number(window_));
}

void TracedQuarnel::poll(int waitMs)
{
    if (process_.state() == QProcess::Running)
        process_.waitForReadyRead(waitMs);
    else if (waitMs > 0)
        QThread::msleep(waitMs);
    pending_ += process_.readAllStandardError();
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        readLine(pending_.left(end));
        pending_.remove(0, end + 1);
    }
}

void TracedQuarnel::readLine(const QByteArray &line)
{
    log_ += line + '\n';
    static const QRegularExpression start(R"(^quarnel: run (\d+) start, (.*slow-down (\S+))$)");
    static const QRegularExpression end(R"(^quarnel: run (\d+) (end|stopped)$)");
    const QString text = QString::fromLocal8Bit(line);
    if (const auto m = start.match(text); m.hasMatch()) {
        const int number = m.captured(1).toInt();
        if (inRun() || number != runsStarted() + 1)
            orderFaults_ << text;
        runs_.push_back({number, m.captured(2), m.captured(3), sinceLaunchMs(), -1});
    } else if (const auto m = end.match(text); m.hasMatch()) {
        if (!inRun() || m.captured(1).toInt() != runs_.back().number) {
            orderFaults_ << text;
            return;
        }
        runs_.back().endMs = sinceLaunchMs();
        runs_.back().stopped = m.captured(2) == QLatin1String("stopped");
        ++ended_;
    } else if (text.contains("ERROR: AddressSanitizer") || text.contains("ERROR: LeakSanitizer")
               || text.contains("runtime error:") || text.startsWith("SUMMARY: ")) {
        sanitizerReports_ << text;
    }
}

bool TracedQuarnel::waitForRunsStarted(int count, int timeoutMs)
{
    return waitFor([&] { return runsStarted() >= count || !isAlive(); }, timeoutMs) && runsStarted() >= count;
}

bool TracedQuarnel::waitForRunsEnded(int count, int timeoutMs)
{
    return waitFor([&] { return runsEnded() >= count || !isAlive(); }, timeoutMs) && runsEnded() >= count;
}

bool TracedQuarnel::waitForExit(int timeoutMs)
{
    if (waitFor([&] { return !isAlive(); }, timeoutMs)) {
        poll(0);
        return true;
    }
    killed_ = true;
    if (QStandardPaths::findExecutable("gdb").isEmpty()) {
        stacksAtKill_ = "(no stacks: gdb is not installed)";
    } else {
        QProcess gdb;
        gdb.setProcessChannelMode(QProcess::MergedChannels);
        gdb.start("gdb",
                  {"-p", QString::number(process_.processId()), "-batch", "-ex", "thread apply all bt 40"});
        gdb.waitForFinished(120000);
        stacksAtKill_ = QString::fromLocal8Bit(gdb.readAll());
    }
    process_.kill();
    process_.waitForFinished(5000);
    poll(0);
    return false;
}

bool TracedQuarnel::exitedCleanly() const
{
    return !isAlive() && !killed_ && process_.exitStatus() == QProcess::NormalExit
        && process_.exitCode() == 0;
}

QString TracedQuarnel::endFaults() const
{
    QStringList faults;
    if (!exitedCleanly())
        faults << exitDescription() + "\n" + log().right(6000) + stacksAtKill();
    if (!sanitizerReports().isEmpty())
        faults << "sanitizer report\n" + log().right(12000);
    if (!orderFaults().isEmpty())
        faults << "runs out of order: " + orderFaults().join("; ");
    if (runsEnded() != runsStarted())
        faults << QString("%1 runs started, %2 ended").arg(runsStarted()).arg(runsEnded());
    return faults.join('\n');
}

QString TracedQuarnel::exitDescription() const
{
    if (isAlive())
        return "still running";
    if (killed_)
        return "hung: killed after the wait ran out";
    if (process_.exitStatus() == QProcess::CrashExit)
        return "crashed";
    return QString("exited with status %1").arg(process_.exitCode());
}

std::unique_ptr<TracedQuarnel> WindowDriver::launch(const QProcessEnvironment &environment)
{
    auto program = std::make_unique<TracedQuarnel>(session, QStringLiteral(QUARNEL_BINARY), environment);
    program->waitForWindow();
    return program;
}

void WindowDriver::click(const TracedQuarnel &program, const QString &control)
{
    session.click(program.geometry().topLeft() + map.centre(control));
}

void WindowDriver::setSlowDown(TracedQuarnel &program, int slowDown)
{
    const QPoint arrow = program.geometry().topLeft() + map.scrollBarAddArrow().center();
    for (int value = map.scrollBarMinimum(); value < slowDown; ++value)
        session.click(arrow);
    program.poll(100);
}

QString WindowDriver::exit(TracedQuarnel &program, int timeoutMs)
{
    click(program, QStringLiteral("cmdKonec"));
    program.waitForExit(timeoutMs);
    return program.endFaults();
}
