#include "imagecanvas.h"
#include "testsupport.h"

#include <QtTest>
#include <cmath>
#include <functional>

// The kept-image canvas writes level and upright lines and radius-1 dots
// straight into its image. Each figure here is drawn by it and by the plain
// one-painter-per-figure canvas, and the pixels around it must agree.
namespace {
// Wide enough for dots up to x 1023, where the shortcut for dots ends.
const QSize imageSize{1100, 600};
const Colour background = colours::silver;

// Draws the same figure on both canvases and compares the area it can reach;
// then paints that area back to the background for the next figure.
class Pair {
public:
    Pair() : canvas_(imageSize, 1.0, background), reference_(imageSize, 1.0, background)
    {
        canvas_.setFillStyleSolid();
        reference_.setFillStyleSolid();
    }

    void setWidth(int width)
    {
        canvas_.setDrawWidth(width);
        reference_.setDrawWidth(width);
    }
    void setFill(Colour colour)
    {
        canvas_.setFillColour(colour);
        reference_.setFillColour(colour);
    }

    // The first figure whose pixels inside its area differed; later ones are not drawn.
    QString failure;

    void check(const std::function<void(Canvas &)> &draw, const QRect &area, const QString &what)
    {
        if (!failure.isEmpty())
            return;
        draw(canvas_);
        draw(reference_);
        const QImage &mine = canvas_.image();
        QString difference;
        const QRect inside = area & reference_.image.rect();
        for (int y = inside.top(); y <= inside.bottom() && difference.isEmpty(); ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(mine.constScanLine(y));
            const auto *b = reinterpret_cast<const QRgb *>(reference_.image.constScanLine(y));
            for (int x = inside.left(); x <= inside.right(); ++x) {
                if (a[x] != b[x]) {
                    difference = QStringLiteral("%1: pixel (%2, %3) is %4, the painter's %5")
                                     .arg(what).arg(x).arg(y)
                                     .arg(a[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                     .arg(b[x] & 0xFFFFFF, 6, 16, QLatin1Char('0'));
                    break;
                }
            }
        }
        clear(inside);
        failure = difference;
    }

private:
    void clear(const QRect &area)
    {
        canvas_.flush();
        QPainter(&reference_.image).fillRect(area, toQColor(background));
        QPainter &p = canvas_.painter();
        p.fillRect(area, toQColor(background));
        canvas_.flush();
    }

    ImageCanvas canvas_;
    ReferenceCanvas reference_;
};

QString dotText(float x, float y)
{
    return QStringLiteral("dot at (%1, %2)").arg(double(x), 0, 'f', 9).arg(double(y));
}

QRect around(float x, float y, int margin)
{
    return QRect(QPoint(int(std::floor(x)) - margin, int(std::floor(y)) - margin),
                 QPoint(int(std::ceil(x)) + margin, int(std::ceil(y)) + margin));
}

// Every single-precision x from `from` up to (not including) `to`.
template<typename F>
void eachFloat(float from, float to, F f)
{
    for (float x = from; x < to; x = std::nextafter(x, to))
        f(x);
}
} // namespace

class TestCanvasShortcuts : public QObject {
    Q_OBJECT
private slots:
    // A dot shape off by one pixel for some fraction of x: every x in one whole
    // pixel, at each of the float spacings the photon dots and markers use.
    void dotsAtEveryFractionMatch_data()
    {
        QTest::addColumn<float>("base");
        QTest::addColumn<Colour>("outline");
        QTest::addColumn<Colour>("fill");
        QTest::newRow("photon dot, 620") << 620.0f << colours::white << colours::white;
        QTest::newRow("photon dot, 719") << 719.0f << colours::white << colours::white;
        QTest::newRow("marker, 425 (finer spacing)") << 425.0f << colours::blue << colours::blue;
        QTest::newRow("marker, 511") << 511.0f << colours::blue << colours::blue;
        QTest::newRow("combined marker, 537") << 537.0f << colours::black << colours::blue;
        QTest::newRow("lowest shortcut x, 256") << 256.0f << colours::black << colours::white;
        QTest::newRow("highest shortcut x, 1022") << 1022.0f << colours::green << colours::blue;
    }
    void dotsAtEveryFractionMatch()
    {
        QFETCH(float, base);
        QFETCH(Colour, outline);
        QFETCH(Colour, fill);
        Pair pair;
        pair.setWidth(1);
        pair.setFill(fill);
        eachFloat(base, base + 1, [&](float x) {
            pair.check([&](Canvas &c) { c.circle(x, 300, 1, outline); }, around(x, 300, 4), dotText(x, 300));
        });
        QVERIFY2(pair.failure.isEmpty(), qPrintable(pair.failure));
    }

    // A shape that holds at one whole x or one row but not another: every whole
    // x the shortcut takes, just either side of each change of shape, and every row.
    void dotsAtEveryPlaceMatch()
    {
        Pair pair;
        pair.setWidth(1);
        pair.setFill(colours::blue);
        // Fractions (in 2^-15) at which the shape of a dot changes, and their neighbours.
        const int changes[] = {0, 1, 7038, 16384, 19587, 26112, 26243, 26494, 26624, 32767};
        for (int whole = 256; whole <= 1022 && pair.failure.isEmpty(); ++whole) {
            for (int change : changes) {
                for (int step = std::max(change - 2, 0); step <= std::min(change + 2, 32767); ++step) {
                    const float x = float(whole) + float(step) / 32768.0f; // rounds to the float spacing
                    const float y = float(101 + (whole * 7 + step) % 399);
                    pair.check([&](Canvas &c) { c.circle(x, y, 1, colours::black); }, around(x, y, 4), dotText(x, y));
                }
            }
        }
        for (int row = 0; row < imageSize.height() && pair.failure.isEmpty(); ++row) {
            for (float x : {620.0f, 620.1f, 620.3f, 620.55f, 620.7f, 620.798f, 620.805f, 620.81f, 620.9f})
                pair.check([&](Canvas &c) { c.circle(x, float(row), 1, colours::white); },
                           around(x, float(row), 4), dotText(x, float(row)));
        }
        QVERIFY2(pair.failure.isEmpty(), qPrintable(pair.failure));
    }

    // The shortcut's limits: an outline-only dot, a dot at a half row, at x
    // below 256, at the image's edges and at width 2 must still look the same.
    void dotsAtTheLimitsMatch_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("filled");
        QTest::newRow("outline only, whole x") << 620.0f << 300.0f << 1 << false;
        QTest::newRow("outline only, fraction") << 620.3f << 300.0f << 1 << false;
        QTest::newRow("half row") << 620.3f << 300.5f << 1 << true;
        QTest::newRow("below 256") << 130.37f << 300.0f << 1 << true;
        QTest::newRow("left edge") << 0.5f << 300.0f << 1 << true;
        QTest::newRow("top edge") << 620.3f << 0.0f << 1 << true;
        QTest::newRow("bottom edge") << 620.3f << 599.0f << 1 << true;
        QTest::newRow("right edge") << 1099.2f << 300.0f << 1 << true;
        QTest::newRow("width 2") << 620.3f << 300.0f << 2 << true;
    }
    void dotsAtTheLimitsMatch()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, width);
        QFETCH(bool, filled);
        ImageCanvas canvas(imageSize, 1.0, background);
        ReferenceCanvas reference(imageSize, 1.0, background);
        for (Canvas *c : std::initializer_list<Canvas *>{&canvas, &reference}) {
            if (filled)
                c->setFillStyleSolid();
            c->setFillColour(colours::blue);
            c->setDrawWidth(width);
            c->circle(x, y, 1, colours::black);
        }
        QVERIFY(canvas.image() == reference.image);
    }

    // A 1-pixel line one pixel short or long at either end, or drawn the
    // wrong way round: whole end points, both directions, every length up to 40.
    void thinLinesMatch_data()
    {
        QTest::addColumn<bool>("upright");
        QTest::newRow("level") << false;
        QTest::newRow("upright") << true;
    }
    void thinLinesMatch()
    {
        QFETCH(bool, upright);
        Pair pair;
        pair.setWidth(1);
        for (int length = 0; length <= 40 && pair.failure.isEmpty(); ++length) {
            for (int start : {0, 5, 100, 561}) {
                for (bool backwards : {false, true}) {
                    const float a = float(start), b = float(start + length), at = 300;
                    const float from = backwards ? b : a, to = backwards ? a : b;
                    const QRect area = upright ? QRect(297, start - 3, 7, length + 7)
                                               : QRect(start - 3, 297, length + 7, 7);
                    pair.check(
                        [&](Canvas &c) {
                            if (upright)
                                c.line(at, from, at, to, colours::black);
                            else
                                c.line(from, at, to, at, colours::black);
                        },
                        area, QStringLiteral("line from %1 to %2").arg(double(from)).arg(double(to)));
                }
            }
        }
        // The run's own: the clear, the photon strip, the plot axis, the optical
        // axis; and lines the shortcut leaves to the painter.
        const QList<QRectF> lines{{5, 30, 795, 0},   {5, 580, 795, 0},  {620, 499, 100, 0},
                                  {600, 100, 0, 400}, {130, 300, 620, 0}, {620.5, 300, 100, 0},
                                  {600, 100.25, 0, 400}, {1090, 300, 20, 0}};
        for (const QRectF &l : lines)
            pair.check([&](Canvas &c) { c.line(l.left(), l.top(), l.right(), l.bottom()); },
                       l.toAlignedRect().adjusted(-3, -3, 3, 3),
                       QStringLiteral("line (%1, %2) to (%3, %4)").arg(l.left()).arg(l.top()).arg(l.right()).arg(l.bottom()));
        QVERIFY2(pair.failure.isEmpty(), qPrintable(pair.failure));
    }

    // A bar a pixel too long or short for some fraction of its length: every
    // end x in three whole pixels after starts with and without a fraction,
    // and long bars up to and past the image's right edge.
    void barsMatch_data()
    {
        QTest::addColumn<float>("start");
        QTest::newRow("plot axis") << 600.0f;
        QTest::newRow("start 600.25") << 600.25f;
        QTest::newRow("start 600.5") << 600.5f;
        QTest::newRow("start 600.75") << 600.75f;
        QTest::newRow("start 256") << 256.0f;
    }
    void barsMatch()
    {
        QFETCH(float, start);
        Pair pair;
        pair.setWidth(2);
        const auto bar = [&](float end, float y) {
            pair.check([&](Canvas &c) { c.line(start, y, end, y); },
                              QRect(QPoint(int(start) - 3, int(y) - 3),
                                    QPoint(std::min(int(end) + 3, imageSize.width() - 1), int(y) + 3)),
                              QStringLiteral("bar from %1 to %2 at %3")
                                  .arg(double(start), 0, 'f', 9).arg(double(end), 0, 'f', 9).arg(double(y)));
        };
        eachFloat(start, start + 3, [&](float end) { bar(end, 300); });
        for (float end = start; end < 16000 && pair.failure.isEmpty(); end = end * 1.01f + 0.37f)
            bar(end, float(1 + int(end) % 598));
        // Zero and full length, the bottom and top rows, and a bar drawn right to left.
        for (float y : {1.0f, 101.0f, 499.0f, 599.0f}) {
            bar(start, y);
            bar(start + 100, y);
        }
        pair.check([&](Canvas &c) { c.line(start + 50, 300, start, 300); }, QRect(int(start) - 3, 297, 57, 7),
                   QStringLiteral("bar right to left"));
        pair.check([&](Canvas &c) { c.line(start, 300.5f, start + 50, 300.5f); }, QRect(int(start) - 3, 297, 57, 8),
                   QStringLiteral("bar at a half row"));
        QVERIFY2(pair.failure.isEmpty(), qPrintable(pair.failure));
    }

    // The picture lost, or moved, when the window goes to a screen of another scale.
    void changingTheRatioKeepsThePicture()
    {
        ImageCanvas canvas(imageSize, 1.0, background);
        canvas.setDrawWidth(1);
        canvas.line(100, 50, 200, 50, colours::black);
        canvas.flush();
        canvas.setDevicePixelRatio(2.0);
        const QImage &image = canvas.image();
        QCOMPARE(image.size(), imageSize * 2);
        const auto grey = [&](int x, int y) { return qGray(image.pixel(x, y)); };
        for (int x = 101; x < 200; x += 7) {
            // Logical row 50 is device rows 100 and 101; rows 49 and 51 keep the background.
            QVERIFY2(grey(2 * x, 100) < 64 && grey(2 * x + 1, 101) < 64, qPrintable(QString::number(x)));
            QCOMPARE(image.pixel(2 * x, 97), toQColor(background).rgb());
            QCOMPARE(image.pixel(2 * x, 104), toQColor(background).rgb());
        }
        QCOMPARE(image.pixel(2 * 300, 100), toQColor(background).rgb());
    }
};

QTEST_MAIN(TestCanvasShortcuts)
#include "tst_canvasshortcuts.moc"
