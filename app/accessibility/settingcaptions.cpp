// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/settingcaptions.h"

#include <QCoreApplication>

QString translatedCaption(const Choice &choice)
{
    if (!choice.caption.group)
        return QString::fromUtf8(choice.caption.source);
    return QCoreApplication::translate("SettingCaption", choice.caption.source, choice.caption.group);
}

QString chosenCaption(const Settings &settings, Setting setting)
{
    const QString text = settings.text(setting);
    for (const Choice &choice : choicesOf(setting)) {
        if (text == choiceText(choice))
            return withoutSoftHyphens(translatedCaption(choice));
    }
    return {};
}

QString withoutSoftHyphens(QString text) { return text.remove(QChar(0x00AD)); }
