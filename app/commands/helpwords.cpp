// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "commands/helpwords.h"

#include "accessibility/settingcaptions.h"

#include <QStringList>

namespace helpwords {
QString window(const char *caption) { return QCoreApplication::translate("frmQuarnel", caption); }
QString option(const Choice &choice) { return withoutSoftHyphens(translatedCaption(choice)); }

QLocale numbers()
{
    //: Not shown as it is. Your language's code (cs, de, fr ...): the help writes
    //: the numbers it works out as this language writes numbers (3,1 or 3.1).
    return QLocale(Text::tr("en", "the language of the help's numbers"));
}
QString number(double value, int decimals) { return numbers().toString(value, 'f', decimals); }
QString whole(double value) { return numbers().toString(qRound(value)); }

QString keys(const QList<QKeySequence> &sequences)
{
    // The desktop's own keys for copying, saving and help, as the commands take them.
    QStringList names;
    for (const QKeySequence &sequence : sequences)
        names << sequence.toString(QKeySequence::NativeText).toHtmlEscaped();
    return names.join(QLatin1String(", "));
}

QString helpTitle()
{
    //: The title of the help window, and of its print-out.
    return Text::tr("Quarnel help");
}
QString teacherTitle()
{
    //: The title of the help's part for the teacher (goals, answers, misconceptions),
    //: of its button at the top of the help window and of its print-out.
    return Text::tr("For the teacher");
}
QString worksheetTitle()
{
    //: The title of the pupils' worksheet (the activities without answers, to
    //: print and hand out), of its button at the top of the help window and of its print-out.
    return Text::tr("Worksheet");
}
QString link(const char *target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(QLatin1String(target), text);
}

QString heading(const QString &text) { return QStringLiteral("<h2>%1</h2>").arg(text); }
QString paragraph(const QString &text) { return QStringLiteral("<p>%1</p>").arg(text); }
QString item(const QString &text) { return QStringLiteral("<li>%1</li>").arg(text); }
} // namespace helpwords
