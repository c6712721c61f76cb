// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "accessibility/settingcaptions.h"

#include <QCoreApplication>

std::span<const SettingChoice> settingChoices(Setting setting)
{
    switch (setting) {
    case Setting::nOdchylka:
        return settingchoices::spacing;
    case Setting::nVzdalenost:
        return settingchoices::distance;
    case Setting::nKmitočet:
        return settingchoices::frequency;
    case Setting::nInterference:
        return settingchoices::pattern;
    case Setting::nSpomaleni:
        break;
    }
    return {};
}

QString translatedCaption(const SettingChoice &choice)
{
    return QCoreApplication::translate("SettingCaption", choice.caption.source, choice.caption.group);
}

QString chosenCaption(const Settings &settings, Setting setting)
{
    const QString text = settings.text(setting);
    for (const SettingChoice &choice : settingChoices(setting)) {
        if (text == numberText(choice.value))
            return withoutSoftHyphens(translatedCaption(choice));
    }
    return {};
}

QString withoutSoftHyphens(QString text) { return text.remove(QChar(0x00AD)); }
