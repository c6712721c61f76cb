// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/teachertext.h"

#include "commands/activities.h"
#include "commands/helpwords.h"
#include "scan.h"

using namespace helpwords;

namespace {
QString activityHeading(const Activity &activity)
{
    return QStringLiteral("<h3>%1. %2</h3>")
        .arg(numbers().toString(activityNumber(activity.id)), activity.title);
}

// "Activity 2 (Slits farther apart)"
QString activityName(const std::vector<Activity> &activities, Activity::Id id)
{
    //: How the misconceptions' table names an activity: %1 its number, %2 its title.
    return Text::tr("activity %1 (%2)").arg(numbers().toString(activityNumber(id)), activities[id].title);
}

QString goals()
{
    QString html = heading(
        //: A heading of the teacher's part.
        Text::tr("Learning goals"));
    html += QStringLiteral("<ul>");
    //: A learning goal.
    html += item(Text::tr("Explain a bright or a dark place by the phase difference of the two waves: their "
                          "phasors add up or cancel."));
    //: A learning goal. Δy, λ, L and s are symbols: keep them.
    html +=
        item(Text::tr("Predict how the spacing of the bands changes with the slits' distance, the screen's "
                      "distance and the wavelength (Δy = λ·L/s), and check the prediction with a run."));
    //: A learning goal.
    html += item(Text::tr("Tell where the small-angle formula holds, and why it fails far from the axis."));
    //: A learning goal.
    html += item(Text::tr("Describe light arriving as photons: the bands are where many of them land."));
    html += QStringLiteral("</ul>");
    return html;
}

QString answers(const std::vector<Activity> &activities)
{
    QString html = heading(
        //: A heading of the teacher's part: the activities with their answers.
        Text::tr("Answers"));
    html += paragraph(
        //: Before the answers. The options in bold are those that differ from start-up.
        Text::tr(
            "Each activity names every group's option, so it can be done on its own; the options in bold "
            "differ from the ones Quarnel starts with. Every number here comes from a run of Quarnel "
            "with the activity's settings, made as this page was: the pupils see the same."));
    for (const Activity &activity : activities)
        html += activityHeading(activity) + paragraph(activity.settings)
            + paragraph(QStringLiteral("<i>%1</i>").arg(activity.question)) + paragraph(activity.answer);
    return html;
}

QString misconceptions(const std::vector<Activity> &activities)
{
    QString html = heading(
        //: A heading of the teacher's part: wrong ideas pupils often hold.
        Text::tr("Misconceptions the activities confront"));
    const auto row = [](const QString &idea, const QString &answer) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(idea, answer);
    };
    html += QStringLiteral(
                "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\"><tr><th>%1</th><th>%2</th></tr>")
                .arg(
                    //: A column heading: a wrong idea pupils often hold.
                    Text::tr("The idea"),
                    //: A column heading: the activity that shows the idea wrong.
                    Text::tr("What confronts it"));
    html += row(
        //: A misconception, as a pupil would say it.
        Text::tr("“A point is bright where each path is a whole number of wavelengths.”"),
        //: %1 names the activity.
        Text::tr("In %1, neither path to the middle bright band is a whole number of wavelengths; their "
                 "difference is.")
            .arg(activityName(activities, Activity::WholeWavelengths)));
    html += row(
        //: A misconception, as a pupil would say it.
        Text::tr("“The bands are images of the slits.”"),
        //: %1 names the activity.
        Text::tr("In %1, two slits in one place give no band at all; elsewhere two slits give many bands.")
            .arg(activityName(activities, Activity::NoSecondPath)));
    html += row(
        //: A misconception, as a pupil would say it.
        Text::tr("“Slits closer together give bands closer together.”"),
        //: %1 names the activity.
        Text::tr("In %1, slits farther apart give bands closer together.")
            .arg(activityName(activities, Activity::SlitsApart)));
    html += QStringLiteral("</table>");
    return html;
}

QString lightPattern()
{
    const std::span<const Choice> pattern = settingchoices::pattern;
    QString html = heading(
        //: A heading of the teacher's part: %1 is the pattern Interference's name.
        Text::tr("Why the activities use the pattern %1").arg(option(pattern[1])));
    html += paragraph(
        //: %1 and %3 are patterns' names, %2 a number; dx and dy are symbols: keep them.
        //: %4 is the slit-spacing option "0".
        Text::tr("In the pattern %1 the bands fade away from the axis because the model weights each slit's "
                 "wave by 1/(%2·dx² + dy²), dx and dy the point's distances from the slit along and across "
                 "the axis. It looks like the dimming a real slit's width gives, but it is neither that nor "
                 "interference: with the slit spacing %4 the pattern %1 draws the same hump. The pattern %3 "
                 "shows the interference alone.")
            .arg(option(pattern[0]), number(scan::horizontalFalloff, 3), option(pattern[1]),
                 option(settingchoices::spacing[4])));
    return html;
}
} // namespace

QString teacherHtml()
{
    const std::vector<Activity> activities = lessonActivities();
    return QStringLiteral("<h1>%1</h1>").arg(teacherTitle()) + goals() + answers(activities)
        + misconceptions(activities) + lightPattern();
}

QString worksheetHtml()
{
    QString html = QStringLiteral("<h1>%1</h1>").arg(worksheetTitle());
    html += paragraph(
        //: The worksheet's head, for the pupil to fill in.
        Text::tr("Name: ____________________ Class: ________ Date: ____________"));
    html += paragraph(
        //: The worksheet's instructions.
        Text::tr("For each activity: set the options it names, write your prediction, then run, write what "
                 "the run showed and explain it."));
    const QString blank = QStringLiteral("<br><br><br>");
    const QString field = QStringLiteral("<tr><td width=\"25%\">%1</td><td>%2</td></tr>");
    for (const Activity &activity : lessonActivities()) {
        html += activityHeading(activity) + paragraph(activity.settings) + paragraph(activity.question);
        html += QStringLiteral("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\" width=\"100%\">");
        //: A field of the worksheet: written before the run.
        html += field.arg(Text::tr("My prediction"), blank);
        //: A field of the worksheet.
        html += field.arg(Text::tr("What the run showed"), blank);
        //: A field of the worksheet: the pupil's explanation.
        html += field.arg(Text::tr("Why"), blank);
        html += QStringLiteral("</table>");
    }
    return html;
}
