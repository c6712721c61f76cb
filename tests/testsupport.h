// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

// The scaffolding the tests share: settings held as texts, a canvas, labels and
// a pacer that record, pixel predicates and, for tests that link the window, a
// window whose runs go straight through.

#include "canvas.h"
#include "imagecanvas.h"
#include "labels.h"
#include "nullcanvas.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "runrecord.h"
#include "settings.h"

#include <QFile>
#include <QImage>
#include <QPointF>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <map>
#include <optional>
#include <vector>

// Settings held as plain texts, the start-up ones unless given.
class TextSettings : public SettingTexts {
public:
    explicit TextSettings(const QString &distance = "200", const QString &spacing = "15",
                          const QString &frequency = "2", const QString &mode = "0",
                          const QString &slowDown = "1")
    {
        const QString texts[] = {distance, spacing, frequency, mode, slowDown};
        for (Setting setting : allSettings)
            set(setting, texts[std::size_t(setting)]);
    }
};

// The five setting texts, in the order of Setting.
inline QStringList settingTexts(const Settings &settings)
{
    QStringList texts;
    for (Setting setting : allSettings)
        texts << settings.text(setting);
    return texts;
}

// The scene's geometry with the screen `distance` behind the barrier and the
// slits `spacing` either side of the axis, as DrawScene lays it out.
inline SceneGeometry sceneGeometry(double distance, double spacing)
{
    SceneGeometry g;
    g.screenX = g.barrierX + distance;
    g.slitOffset = spacing;
    return g;
}

// A whole run with these settings, drawn nowhere, as its record keeps it.
inline RunRecord recordRun(const Settings &settings)
{
    NullCanvas canvas;
    NoLabels labels;
    PhotonRandom random;
    NoWaitPacer pacer;
    RunRecord record;
    PerformRun(canvas, settings, labels, random, pacer, &record);
    return record;
}

// A canvas that draws nothing and keeps every operation, with the drawing
// state it was made in, so tests can check a run's exact sequence.
struct CanvasOp {
    enum Kind { Line, Circle, Width, FillSolid, FillColour, UnitPixels } kind;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle: centre (x1, y1), radius x2
    std::optional<Colour> colour;         // Line, Circle: the colour given; FillColour: the colour set
    int width = 0;                        // the draw width in force (Width: the width set)
    Colour fill = colours::black;         // the fill colour in force
};

class RecordingCanvas : public Canvas {
public:
    std::vector<CanvasOp> ops;
    int width = 1;
    Colour fill = colours::black;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override
    {
        ops.push_back({CanvasOp::Line, x1, y1, x2, y2, colour, width, fill});
    }
    void circle(float x, float y, float r, std::optional<Colour> colour) override
    {
        ops.push_back({CanvasOp::Circle, x, y, r, 0, colour, width, fill});
    }
    void setDrawWidth(int pixels) override
    {
        width = pixels;
        ops.push_back({CanvasOp::Width, 0, 0, 0, 0, {}, pixels, fill});
    }
    void setFillStyleSolid() override { ops.push_back({CanvasOp::FillSolid, 0, 0, 0, 0, {}, width, fill}); }
    void setFillColour(Colour c) override
    {
        fill = c;
        ops.push_back({CanvasOp::FillColour, 0, 0, 0, 0, c, width, fill});
    }
    void setUnitPixels() override { ops.push_back({CanvasOp::UnitPixels, 0, 0, 0, 0, {}, width, fill}); }

    std::vector<CanvasOp> of(CanvasOp::Kind kind) const
    {
        std::vector<CanvasOp> found;
        for (const CanvasOp &op : ops)
            if (op.kind == kind)
                found.push_back(op);
        return found;
    }
};

// Counts the countdowns and keeps their steps; notes, where asked, how far the
// canvas's log had come at each.
class CountingPacer : public Pacer {
public:
    std::vector<long long> counts;
    std::vector<std::size_t> opsAt;
    const RecordingCanvas *canvas = nullptr;

    void countDown(long long steps) override
    {
        counts.push_back(steps);
        if (canvas)
            opsAt.push_back(canvas->ops.size());
    }
};

// Where each label ended up and whether it shows; with a pacer to watch, how
// many countdowns came before the first label was touched.
class RecordingLabels : public SceneLabels {
public:
    std::map<SceneLabel, bool> visible;
    std::map<SceneLabel, QPointF> position;
    const CountingPacer *pacer = nullptr;
    bool touched = false;
    std::size_t countdownsBeforeFirstCall = 0;

    void showLabel(SceneLabel label, bool shown) override
    {
        touch();
        visible[label] = shown;
    }
    void setLabelLeft(SceneLabel label, float x) override
    {
        touch();
        position[label].setX(x);
    }
    void setLabelTop(SceneLabel label, float y) override
    {
        touch();
        position[label].setY(y);
    }

private:
    void touch()
    {
        if (!touched && pacer)
            countdownsBeforeFirstCall = pacer->counts.size();
        touched = true;
    }
};

// A disk that is full: a 20 KiB file system, smaller than any picture or table
// saved, mounted while this lives and linked into `folder` as "full". Not ready
// where no tmpfs can be mounted.
class FullDisk {
public:
    // A disk of `size` ("20k") at `folder`/`name`.
    explicit FullDisk(const QTemporaryDir &folder, const QString &name = "full", const QString &size = "20k")
    {
        mounted_ =
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", mount_.path()}) == 0;
        linked_ = mounted_ && QFile::link(mount_.path(), folder.filePath(name));
    }
    ~FullDisk()
    {
        if (mounted_)
            QProcess::execute("umount", {mount_.path()});
    }
    bool ready() const { return linked_; }

private:
    QTemporaryDir mount_;
    bool mounted_ = false, linked_ = false;
};

// Pixel predicates. Pictures drawn here are compared by exact colour; pictures
// that went through a window or a screen, by darkness.
namespace pixels {
inline bool is(const QImage &image, int x, int y, QRgb colour)
{
    return (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
}
inline bool dark(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }
// A line 2 pixels wide at x covers x or the column left of it.
inline bool darkAtOrLeft(const QImage &image, int x, int y)
{
    return dark(image, x, y) || dark(image, x - 1, y);
}
// How many pixels of the area the predicate holds for.
template <typename Predicate>
int count(const QImage &image, const QRect &area, Predicate holds)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += holds(image, x, y) ? 1 : 0;
    return n;
}
inline auto colour(QRgb rgb)
{
    return [rgb](const QImage &image, int x, int y) { return is(image, x, y, rgb); };
}
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);
const QRgb silver = qRgb(192, 192, 192);
} // namespace pixels

#if __has_include("window/frmquarnel.h")
#include "choices.h"
#include "picture/scenepicture.h"
#include "run/runsession.h"
#include "window/frmquarnel.h"

#include <QApplication>
#include <QDebug>
#include <QRadioButton>
#include <QScreen>

// A window whose runs go straight through: a run has ended when Start returns.
inline void runStraightThrough(frmQuarnel &window)
{
    window.session().setStepDuration(std::chrono::nanoseconds(0));
}

// Calls `action` once, when the window's next run has plotted `count` points.
template <typename Action>
void atPoint(frmQuarnel &window, int count, Action action)
{
    auto *connection = new QMetaObject::Connection;
    *connection = QObject::connect(&window.session(), &RunSession::pointPlotted, &window,
                                   [connection, count, action](int plotted) {
                                       if (plotted != count)
                                           return;
                                       QObject::disconnect(*connection);
                                       delete connection;
                                       action();
                                   });
}

// The window shown and made active, so that keys reach the focused control;
// its runs go straight through.
struct ShownWindow {
    frmQuarnel window;
    ShownWindow()
    {
        runStraightThrough(window);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QWidget *focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    QRadioButton *option(const QString &name) const { return window.findChild<QRadioButton *>(name); }
    QImage picture() { return window.picture().canvas().image().convertToFormat(QImage::Format_RGB32); }
    QImage grab() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Selects the option that writes this text into its setting.
    void choose(Setting setting, const QString &text)
    {
        for (const Choice &choice : choicesOf(setting))
            if (choiceText(choice) == text)
                option(QString::fromUtf8(choice.objectName))->setChecked(true);
    }
};

// What keeps `window`, shown, from fitting its screen's area for windows: its
// frame past the area, a size it cannot be made smaller than by hand (half its
// height), or one of the named buttons off the screen. Empty where it fits.
inline QString unfitted(const QWidget &window, const QStringList &buttons)
{
    const QRect area = window.screen()->availableGeometry();
    if (!area.contains(window.frameGeometry()))
        return QDebug::toString(window.frameGeometry()) + " past " + QDebug::toString(area);
    if (window.minimumSize().height() >= window.height() / 2)
        return "no smaller than " + QDebug::toString(window.minimumSize());
    for (const QString &name : buttons) {
        const auto *button = window.findChild<QWidget *>(name);
        if (!button || !area.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
            return name + " off the screen";
    }
    return {};
}
#endif

#ifdef QUARNEL_LANGUAGES
#include <QTest>

// The languages the program is translated into; with English, its source
// language, first where asked.
inline QStringList translatedLanguages(bool withEnglish = false)
{
    return QStringList(withEnglish ? 1 : 0, QStringLiteral("en"))
        + QString(QUARNEL_LANGUAGES).split(' ', Qt::SkipEmptyParts);
}

// A test row for each of them, in the column "language".
inline void addLanguageRows(bool withEnglish = false)
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages(withEnglish))
        QTest::newRow(qPrintable(language)) << language;
}
#endif
