// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// The CPU baseline for a paced run: the least a Qt program does to show a
// picture that grows, a kept image of the picture's size into which one short
// line is drawn 60 times a second, each time handed to the window as the
// rectangle that changed. Prints cpu_ms and wall_ms for the given time.
// Usage: keptimage [MILLISECONDS]   (default 1197, a run at slow-down 1)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {
double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

class KeptImage : public QWidget {
public:
    KeptImage() : image_(801, 581, QImage::Format_RGB32) { image_.fill(Qt::lightGray); }
    void drawNext()
    {
        const int y = 500 - (row_++ % 400);
        QPainter(&image_).drawLine(600, y, 700, y);
        update(600, y - 1, 102, 3);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), image_, event->rect());
    }

private:
    QImage image_;
    int row_ = 0;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int forMs = argc > 1 ? std::atoi(argv[1]) : 1197;
    KeptImage window;
    window.resize(801, 581);
    window.show();
    QTimer settle;
    settle.setSingleShot(true);
    QTimer frame;
    frame.setTimerType(Qt::PreciseTimer);
    QElapsedTimer wall;
    double cpuBefore = 0;
    QObject::connect(&frame, &QTimer::timeout, &window, [&] {
        window.drawNext();
        if (wall.elapsed() >= forMs) {
            std::printf("cpu_ms=%.3f\nwall_ms=%.3f\n", cpuMs() - cpuBefore, double(wall.elapsed()));
            app.quit();
        }
    });
    QObject::connect(&settle, &QTimer::timeout, &window, [&] {
        cpuBefore = cpuMs();
        wall.start();
        frame.start(1000 / 60);
    });
    settle.start(500);
    return app.exec();
}
