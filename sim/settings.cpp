// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "settings.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

namespace {
// The values the controls write, setting by setting (in the order of Setting).
const std::initializer_list<double> controlValues[] = {
    {100, 150, 200},
    {0, 5, 10, 15, 40},
    {0.1, 0.3, 0.5, 2},
    {0, 1, 2},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
};
} // namespace

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
    const std::initializer_list<double> &allowed = controlValues[std::size_t(setting)];
    if (std::find(allowed.begin(), allowed.end(), value) == allowed.end())
        throw SettingOutOfRange(setting, text);
    return value;
}

QString numberText(double value) { return QLocale().toString(value, 'g', 15); }
