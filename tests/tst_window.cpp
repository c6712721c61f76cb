// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "quarnelinfo.h"
#include "run/runsession.h"
#include "startup/appearance.h"
#include "startup/translations.h"
#include "testsupport.h"
#include "window/captionfit.h"
#include "window/controltable.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QtTest>
#include <functional>

namespace {
QString u(const char *text) { return QString::fromUtf8(text); }

QRadioButton *option(const frmQuarnel &w, const char *name) { return w.findChild<QRadioButton *>(u(name)); }

// The click a user makes: near the left end, where the indicator is.
void clickOption(QRadioButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

// What an option button draws, in its frame: the indicator and the caption beside it.
QRect drawnPart(QRadioButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle *style = button->style();
    const QRect indicator = style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    const QRect contents = style->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    const QRect text = style->itemTextRect(button->fontMetrics(), contents, Qt::AlignLeft | Qt::AlignVCenter,
                                           true, button->text());
    return (indicator | text).translated(button->pos());
}

// The box of the dark pixels of an image on white.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The ink of a control's caption drawn with its font in plain painting, with
// room to spare: a label's wrapped to the label's width, anything else on one line.
QRect captionInk(const QWidget *control, const QString &caption, int flags)
{
    QImage image(control->width() + 400, 1000, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(control->logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(control->logicalDpiY() / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(control->font());
    const bool label = qobject_cast<const QLabel *>(control);
    painter.drawText(QRect(0, 0, label ? control->width() : image.width(), image.height()), flags, caption);
    painter.end();
    return inkOf(image);
}

// What of the caption the control itself paints: the pixels that change when
// the caption is taken away, as a box in the control.
QRect paintedCaption(QWidget *control, const std::function<void(const QString &)> &setCaption,
                     const QString &caption)
{
    const QImage with = control->grab().toImage();
    setCaption(QString());
    const QImage without = control->grab().toImage();
    setCaption(caption);
    QImage changed(with.size(), QImage::Format_RGB32);
    changed.fill(Qt::white);
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                changed.setPixel(x, y, qRgb(0, 0, 0));
    return inkOf(changed);
}

// Where a frame's border runs across the top: half the caption font's height down.
int frameTopLine(const QGroupBox *frame) { return QFontMetrics(frame->font()).height() / 2; }
} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }
    // The window in English again for the next test.
    void cleanup() { installTranslations(QLocale::c()); }

    // A caption clipped by its box, in English or in any language the program
    // speaks, whatever the style's room for it says: a label's wrapped text
    // reaching past the label, a word wider than the label, a button's caption
    // cut short or over its frame, a frame's caption leaving less of the border
    // at the right than it is set in from the left.
    void captionsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        frmQuarnel window;
        for (const QString &language : translatedLanguages(true)) {
            for (const ControlRow &row : controlTable()) {
                const QWidget *control = window.findChild<QWidget *>(QString::fromUtf8(row.name));
                if (row.kind != ControlKind::Picture && row.kind != ControlKind::ScrollBar && !neverShown(row)
                    && control->isVisibleTo(&window))
                    QTest::addRow("%s %s", qPrintable(language), row.name)
                        << language << QString::fromUtf8(row.name);
            }
        }
    }
    void captionsFit()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        // English is the source language: no translation is installed for it.
        const QString installed = installTranslations(QLocale(language));
        if (language == "en")
            QVERIFY(installed.isEmpty());
        else
            QCOMPARE(QLocale(installed).language(), QLocale(language).language());
        frmQuarnel window;
        QWidget *control = window.findChild<QWidget *>(name);
        QVERIFY(control);
        const QRect box(QPoint(0, 0), control->size());
        // What a failure shows: where the ink lies, or how much of it.
        const auto report = [](const auto &r) { return QDebug::toString(r).toLocal8Bit(); };
        if (auto *label = qobject_cast<QLabel *>(control)) {
            const QRect ink = captionInk(label, label->text(), int(label->alignment()) | Qt::TextWordWrap);
            QVERIFY(!ink.isEmpty());
            // A word is never broken but at a soft hyphen: each part must fit the width on its own.
            for (const QString &word : wrappableParts(label->text()))
                QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(word) <= box.width(),
                         qPrintable(word));
            QVERIFY2(box.contains(ink), report(ink));
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            const QRect whole = captionInk(button, button->text(), Qt::TextShowMnemonic);
            const QRect painted = paintedCaption(
                button, [&](const QString &t) { button->setText(t); }, button->text());
            // All of it painted, and a push button's clear of its frame.
            QVERIFY2(painted.width() >= whole.width() - 1 && painted.height() >= whole.height() - 1,
                     report(painted.size()) + " of " + report(whole.size()));
            if (!qobject_cast<QRadioButton *>(button))
                QVERIFY2(box.adjusted(1, 1, -1, -1).contains(painted), report(painted));
        } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            // The caption with the border's gap around it; within a pixel, for the
            // gap's antialiased ends.
            const QRect painted = paintedCaption(
                frame, [&](const QString &t) { frame->setTitle(t); }, frame->title());
            QVERIFY(!painted.isEmpty());
            QVERIFY2(box.right() - painted.right() >= painted.left() - 1, report(painted));
        } else {
            QFAIL("a captioned control of an unknown kind");
        }
    }

    // A control placed off the window, an option over its frame's border or
    // caption line, or two options of a frame drawn over each other.
    void controlsStayInTheirPlaces()
    {
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const ControlRow &row : controlTable()) {
            const QWidget *control = window.findChild<QWidget *>(u(row.name));
            QVERIFY2(control, row.name);
            const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
            QVERIFY2(window.rect().contains(inWindow), row.name);
        }
        for (QGroupBox *frame : window.findChildren<QGroupBox *>()) {
            const QRect inside = frame->rect().adjusted(2, frameTopLine(frame) + 2, -3, -3);
            const auto buttons = frame->findChildren<QRadioButton *>();
            QVERIFY(buttons.size() >= 3);
            for (QRadioButton *button : buttons) {
                QVERIFY2(inside.contains(button->geometry()), qPrintable(button->objectName()));
                for (QRadioButton *other : buttons) {
                    QVERIFY2(other == button || !drawnPart(button).intersects(drawnPart(other)),
                             qPrintable(button->objectName() + " over " + other->objectName()));
                }
            }
        }
    }

    // The window mirrored under a right-to-left language (-reverse): the layout
    // is a picture's, with the scene drawn left to right, so nothing may move.
    void rightToLeftDoesNotMirror()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        frmQuarnel reversed;
        reversed.show();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        frmQuarnel plain;
        plain.show();
        for (const ControlRow &row : controlTable()) {
            const QWidget *mirrored = reversed.findChild<QWidget *>(u(row.name));
            const QWidget *control = plain.findChild<QWidget *>(u(row.name));
            QCOMPARE(mirrored->mapTo(&reversed, QPoint(0, 0)), control->mapTo(&plain, QPoint(0, 0)));
            QVERIFY2(!mirrored->isRightToLeft(), row.name);
        }
    }

    // The window as it opens: the start-up settings written before it shows, its
    // caption, focus on Start, no default button. (Its size is tst_zoom's, its
    // silver the pixel tests'.)
    void window()
    {
        frmQuarnel window;
        QCOMPARE(settingTexts(window), (QStringList{"200", "15", "2", "0", "1"}));
        for (const char *name : {"op60", "opDc200", "op2", "opSvětlo", "opRychlá"})
            QVERIFY2(option(window, name)->isChecked(), name);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The name, two blanks, a hyphen, a blank and the homepage the build was configured with.
        QCOMPARE(window.windowTitle(), QString("Quarnel  - " QUARNEL_HOMEPAGE_URL));
        QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget *>("cmdStart"));
        for (auto *button : window.findChildren<QPushButton *>())
            QVERIFY(!button->isDefault() && !button->autoDefault());
        QCOMPARE(window.findChild<QScrollBar *>("HScroll1")->value(), 1);
        // One selected button in every visible frame.
        for (auto *frame : window.findChildren<QGroupBox *>()) {
            const auto buttons = frame->findChildren<QRadioButton *>();
            QCOMPARE(
                std::count_if(buttons.begin(), buttons.end(), [](QRadioButton *b) { return b->isChecked(); }),
                1);
        }
    }

    // An option wired to the wrong handler, or one that writes another setting too
    // or a text that does not read back as its value; the hidden speed buttons
    // must not move the scroll bar either.
    void optionHandlers_data()
    {
        QTest::addColumn<QString>("name");
        for (const Choice &choice : choices())
            QTest::newRow(choice.objectName) << u(choice.objectName);
    }
    void optionHandlers()
    {
        QFETCH(QString, name);
        const Choice &choice = choiceNamed(name.toStdString());
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Move every frame away from its start-up choice first, so each click is a real change.
        clickOption(option(window, "op0"));
        clickOption(option(window, "opdc100"));
        clickOption(option(window, "op03"));
        clickOption(option(window, "opDopad"));
        option(window, "opPomalá")->setChecked(true);
        QStringList before = settingTexts(window);
        QRadioButton *button = window.findChild<QRadioButton *>(name);
        // The speed buttons are hidden, out of reach of a click.
        const auto choose = [&] { button->isVisible() ? clickOption(button) : button->setChecked(true); };
        choose();
        QVERIFY(button->isChecked());
        before[int(choice.setting)] = choiceText(choice);
        QCOMPARE(settingTexts(window), before);
        QCOMPARE(settingNumber(window, choice.setting), choice.value);
        // Choosing it again changes nothing.
        choose();
        QCOMPARE(settingTexts(window), before);
        QCOMPARE(window.findChild<QScrollBar *>("HScroll1")->value(), 1);
    }

    // Start that runs nothing, labels the run shows but the window does not, or
    // moves to the wrong place, or a picture lost when the window is hidden and
    // shown again. (The scene itself is tst_scene's, the labels' places tst_labels'.)
    void startRunsAndKeepsPicture()
    {
        frmQuarnel window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage before = window.picture().canvas().image().copy();
        QSignalSpy ended(&window.session(), &RunSession::finished);
        QTest::mouseClick(window.findChild<QPushButton *>("cmdStart"), Qt::LeftButton);
        QVERIFY(window.session().isRunning());
        QVERIFY(ended.wait(120000));
        const QImage after = window.picture().canvas().image().copy();
        QVERIFY(after != before);
        // The source's white disc, in the picture and, below, on screen.
        QCOMPARE(QColor(after.pixel(150, 298)), QColor(Qt::white));
        const QStringList shown{"labClona",    "labHustota", "labInterObr", "labZdroj",
                                "labDetektor", "labA",       "labB"};
        for (const QString &name : shown)
            QVERIFY2(window.findChild<QLabel *>(name)->isVisible(), qPrintable(name));
        QVERIFY(!window.findChild<QLabel *>("labPravde")->isVisible());
        QCOMPARE(window.findChild<QLabel *>("labB")->pos(), QPoint(220, 335));
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(150, 298),
                 QColor(Qt::white).rgb());
    }

    // The clear at a run's start reaching into the title: its last rows, the
    // descenders of "g" and "p", would be lost.
    void runKeepsTheTitlesBottomRows()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect title = w.window.findChild<QWidget *>("labInterference")->geometry();
        const QRect bottomRows(title.left(), title.bottom() - 2, title.width(), 3);
        const QImage before = w.grab().copy(bottomRows);
        QVERIFY2(pixels::count(before, before.rect(), pixels::dark) > 0, "no descenders to keep");
        w.window.cmdStart_Click();
        QCOMPARE(w.grab().copy(bottomRows), before);
    }

    // A frame painted in the desktop's colours instead of the window's silver.
    void frameInteriorsAreSilver()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage shot = w.grab();
        for (QGroupBox *frame : w.window.findChildren<QGroupBox *>()) {
            if (!frame->isVisible())
                continue;
            // Below the caption and inside the border, wherever no option stands.
            QRegion interior(frame->rect().adjusted(2, QFontMetrics(frame->font()).height() + 1, -3, -3));
            for (QRadioButton *button : frame->findChildren<QRadioButton *>())
                interior -= button->geometry();
            interior.translate(frame->pos());
            int checked = 0;
            for (const QRect &part : interior) {
                QCOMPARE(pixels::count(shot, part, pixels::colour(pixels::silver)),
                         part.width() * part.height());
                checked += part.width() * part.height();
            }
            QVERIFY(checked > 100);
        }
    }

    // Label1, which has no font of its own, painted silver like the window
    // instead of in the desktop's label colours.
    void label1TakesTheDesktopsColours()
    {
        ShownWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QColor desktop = QApplication::palette("QLabel").color(QPalette::Window);
        QVERIFY2(desktop.rgb() != pixels::silver, "the desktop's labels are silver: nothing to tell apart");
        const QRect box = w.window.findChild<QWidget *>("Label1")->geometry();
        const QImage shot = w.grab();
        QCOMPARE(pixels::count(shot, box, pixels::colour(pixels::silver)), 0);
        QVERIFY(pixels::count(shot, box, pixels::colour(desktop.rgb())) > 0);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
