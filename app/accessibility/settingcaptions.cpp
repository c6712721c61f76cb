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

QString chosenCaption(const Settings &settings, Setting setting)
{
    const QString text = settings.text(setting);
    for (const SettingChoice &choice : settingChoices(setting)) {
        if (text == numberText(choice.value))
            return QCoreApplication::translate("SettingCaption", choice.caption);
    }
    return {};
}
