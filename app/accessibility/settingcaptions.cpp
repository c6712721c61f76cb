// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/settingcaptions.h"

#include <QCoreApplication>
#include <QLocale>

QString translatedCaption(const Choice &choice)
{
    if (!choice.caption.group)
        return QString::fromUtf8(choice.caption.source);
    return QCoreApplication::translate("SettingCaption", choice.caption.source, choice.caption.group);
}

std::optional<double> settingValue(const Settings &settings, Setting setting)
{
    // Values, not texts, are compared: where the language has digits of its own,
    // a text written in ASCII digits is the same setting as one in the language's.
    const QString text = settings.text(setting);
    for (const QLocale &locale : {QLocale(), QLocale::c()}) {
        bool ok = false;
        const double value = locale.toDouble(text, &ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

QString chosenCaption(const Settings &settings, Setting setting)
{
    const std::optional<double> value = settingValue(settings, setting);
    for (const Choice &choice : choicesOf(setting)) {
        if (value == choice.value)
            return withoutSoftHyphens(translatedCaption(choice));
    }
    return {};
}

QString withoutSoftHyphens(QString text) { return text.remove(QChar(0x00AD)); }
