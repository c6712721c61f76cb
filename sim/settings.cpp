// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "settings.h"

#include "choices.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <string>

SettingTexts::SettingTexts(const Settings &settings)
{
    for (Setting setting : allSettings)
        set(setting, settings.text(setting));
}

SettingRefused::SettingRefused(Setting s, const QString &t, const char *why)
    : std::runtime_error("setting text " + std::string(why) + ": \"" + t.toStdString() + "\""),
      setting(s),
      text(t)
{
}

SettingNotNumber::SettingNotNumber(Setting s, const QString &t) : SettingRefused(s, t, "is not a number") {}

SettingOutOfRange::SettingOutOfRange(Setting s, const QString &t)
    : SettingRefused(s, t, "is not a value of its control")
{
}

double settingNumber(const Settings &settings, Setting setting)
{
    const QString text = settings.text(setting);
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        throw SettingNotNumber(setting, text);
    // The scroll bar writes any whole slow-down from 1 to 20 (read after every
    // point: no table lookup there); the options their values.
    bool written = false;
    if (setting == Setting::nSpomaleni) {
        written = value == std::floor(value) && value >= 1 && value <= 20;
    } else {
        const std::span<const Choice> options = choicesOf(setting);
        written = std::any_of(options.begin(), options.end(),
                              [value](const Choice &c) { return c.value == value; });
    }
    if (!written)
        throw SettingOutOfRange(setting, text);
    return value;
}

QString numberText(double value) { return QLocale().toString(value, 'g', 15); }
