#include "picturedescription.h"

#include "runrecord.h"
#include "settings.h"

#include <cmath>
#include <vector>

namespace {
// A band is bright where the plot reaches at least this share of its longest value.
constexpr double brightShare = 0.5;
// Values this close to the largest count as equally bright; the band nearest the
// axis is named, so rounding in the last digits cannot move it to a far fringe.
constexpr double sameBrightness = 1e-6;

QString modeName(const QString &mode)
{
    if (mode == QLatin1String("0"))
        return QStringLiteral("Light pattern");
    if (mode == QLatin1String("1"))
        return QStringLiteral("Interference pattern");
    if (mode == QLatin1String("2"))
        return QStringLiteral("Photon density");
    return QStringLiteral("Pattern");
}
} // namespace

QString describePicture(const RunRecord &run, const Settings &settings)
{
    const SceneGeometry &geometry = run.geometry();
    const QString mode = settings.text(Setting::nInterference);

    // What the plot shows at each point, bottom to top: the bar's length, or in
    // photon mode the number of dots the point draws on average.
    std::vector<double> shown;
    std::vector<double> heights;
    for (const RunRecord::Point &point : run.points()) {
        shown.push_back(point.shown);
        heights.push_back(point.y);
    }

    double brightest = 0;
    for (double value : shown)
        brightest = std::max(brightest, value);

    const QString settingsText =
        QStringLiteral("%1 after a run with slit spacing %2, detector-screen distance %3 and "
                       "frequency %4.")
            .arg(modeName(mode), settings.text(Setting::nOdchylka),
                 settings.text(Setting::nVzdalenost), settings.text(Setting::nKmitočet));
    if (!(brightest > 0))
        return settingsText + QLatin1Char(' ') + QStringLiteral("The plot stays dark.");

    int bands = 0;
    bool inBand = false;
    for (double value : shown) {
        const bool bright = value >= brightShare * brightest;
        if (bright && !inBand)
            ++bands;
        inBand = bright;
    }
    // The brightest band nearest the axis; a pattern that is the same above and
    // below the axis has its pair on the other side.
    const auto brightestAt = [&](double y) {
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (heights[i] == y && shown[i] >= brightest * (1 - sameBrightness))
                return true;
        }
        return false;
    };
    std::size_t named = 0;
    double namedOffset = HUGE_VAL;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double offset = std::abs(heights[i] - geometry.centreY);
        if (shown[i] >= brightest * (1 - sameBrightness) && offset < namedOffset) {
            named = i;
            namedOffset = offset;
        }
    }

    // Pixels above the optical axis (y grows downwards).
    const long above = std::lround(geometry.centreY - heights[named]);
    const bool mirrored = brightestAt(2 * geometry.centreY - heights[named]);
    QString where;
    if (above == 0)
        where = QStringLiteral("the brightest is level with the source, on the optical axis");
    else if (mirrored)
        where = QStringLiteral("the brightest are %1 %2 above and below the optical axis")
                    .arg(std::labs(above))
                    .arg(QLatin1String(std::labs(above) == 1 ? "pixel" : "pixels"));
    else
        where = QStringLiteral("the brightest is %1 %2 %3 the optical axis")
                    .arg(std::labs(above))
                    .arg(QLatin1String(std::labs(above) == 1 ? "pixel" : "pixels"))
                    .arg(QLatin1String(above > 0 ? "above" : "below"));
    return settingsText
           + QStringLiteral(" %1 bright %2; %3.")
                 .arg(bands)
                 .arg(QLatin1String(bands == 1 ? "band" : "bands"))
                 .arg(where);
}

QString describeEmptyPicture()
{
    return QStringLiteral("Nothing drawn yet: Start draws the light source, the barrier with "
                          "two slits, the screen and the pattern.");
}
