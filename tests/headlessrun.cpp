// One whole run without a display, for memcheck: first the run alone over a
// kept image with pacing off, then the window's own Start and Exit offscreen.
// Exits 0 when both pictures show the plot axis, 1 otherwise; memcheck's
// verdict on leaks and invalid accesses comes on top (its --error-exitcode).

#include "appearance.h"
#include "frmquarnel.h"
#include "imagecanvas.h"
#include "labels.h"
#include "pacer.h"
#include "photonrandom.h"
#include "run.h"
#include "scenepicture.h"
#include "testsupport.h"

#include <QApplication>
#include <cstdio>

namespace {
// The plot axis at x 600 runs black from y 100 to 500 after any whole run.
bool showsPlotAxis(const QImage &image)
{
    const qreal ratio = image.devicePixelRatio();
    for (int y = 100; y <= 500; ++y) {
        if ((image.pixel(int(600 * ratio), int(y * ratio)) & 0xFFFFFF) != 0)
            return false;
    }
    return true;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpAppearance(app);

    // Photon mode draws the most: the line and its dots at every point.
    ImageCanvas canvas(sceneSize, 1.0, colours::silver);
    NoLabels labels;
    PhotonRandom random;
    NoWaitPacer pacer;
    PerformRun(canvas, TextSettings("200", "15", "2", "2", "1"), labels, random, pacer);
    if (!showsPlotAxis(canvas.image())) {
        std::fprintf(stderr, "headlessrun: the run alone drew no plot axis\n");
        return 1;
    }

    // The window's run paces itself at slow-down 1: about 1.2 s of waiting.
    frmQuarnel window;
    window.show();
    window.cmdStart_Click();
    if (!showsPlotAxis(window.picture().canvas().image())) {
        std::fprintf(stderr, "headlessrun: the window's run drew no plot axis\n");
        return 1;
    }
    window.cmdKonec_Click();
    QCoreApplication::processEvents();
    return 0;
}
