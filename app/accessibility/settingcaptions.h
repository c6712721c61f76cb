// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QString>
#include <QtGlobal>
#include <span>

// The caption of each option the window offers, beside the value its setting
// then holds. The window's option buttons show these captions and the picture's
// description repeats them, so a screen-reader user hears the words they chose.
struct SettingChoice {
    double value;        // the setting's text is numberText(value)
    const char *caption; // untranslated; translated in the context "SettingCaption"
};

namespace settingchoices {
// clang-format off
inline constexpr SettingChoice spacing[] = {
    {40, QT_TRANSLATE_NOOP("SettingCaption", "large")},
    {15, QT_TRANSLATE_NOOP("SettingCaption", "minor")},
    {10, QT_TRANSLATE_NOOP("SettingCaption", "middle")},
    {5, QT_TRANSLATE_NOOP("SettingCaption", "small")},
    {0, QT_TRANSLATE_NOOP("SettingCaption", "0")},
};
inline constexpr SettingChoice distance[] = {
    {200, QT_TRANSLATE_NOOP("SettingCaption", "large")},
    {150, QT_TRANSLATE_NOOP("SettingCaption", "middle")},
    {100, QT_TRANSLATE_NOOP("SettingCaption", "near")},
};
inline constexpr SettingChoice frequency[] = {
    {2, QT_TRANSLATE_NOOP("SettingCaption", "higher")},
    {0.5, QT_TRANSLATE_NOOP("SettingCaption", "high")},
    {0.3, QT_TRANSLATE_NOOP("SettingCaption", "middle")},
    {0.1, QT_TRANSLATE_NOOP("SettingCaption", "low")},
};
inline constexpr SettingChoice pattern[] = {
    {0, QT_TRANSLATE_NOOP("SettingCaption", "Light")},
    {1, QT_TRANSLATE_NOOP("SettingCaption", "Interference")},
    {2, QT_TRANSLATE_NOOP("SettingCaption", "Photon density")},
};
} // namespace settingchoices
// clang-format on

// The choices of a setting; none for the slow-down, which the scroll bar sets.
std::span<const SettingChoice> settingChoices(Setting setting);

// The translated caption of the option whose value the setting's text holds
// now; an empty string when no option writes that text.
QString chosenCaption(const Settings &settings, Setting setting);
