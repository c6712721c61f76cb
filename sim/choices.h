// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings.h"

#include <QString>
#include <span>
#include <string_view>

// One option the window offers: the setting it writes, the value it writes
// (as numberText(value)), its button's name and its caption. The option
// handlers, the check of a setting's text, the captions and what a screen
// reader says of each option all read this one table.
struct Choice {
    Setting setting;
    double value;
    const char *objectName;
    // Untranslated, translated in the context "SettingCaption" with its group as
    // lupdate's disambiguation: the same word ("large", "middle") in two groups is
    // two texts, so that each language gives it the gender and form its group
    // needs. No group: a caption that never shows, kept as it is.
    struct {
        const char *source;
        const char *group;
    } caption;
};

// Every option, frame by frame in the order the buttons stand in their frames.
std::span<const Choice> choices();
// The options of one setting; for the slow-down, the hidden frame's three.
std::span<const Choice> choicesOf(Setting setting);
// The option whose button has this name; throws std::out_of_range for none.
const Choice &choiceNamed(std::string_view objectName);
// The text the option writes into its setting.
QString choiceText(const Choice &choice);

// Each visible option group's options, in the order they stand in their frame.
namespace settingchoices {
inline const std::span<const Choice> spacing = choicesOf(Setting::nOdchylka);
inline const std::span<const Choice> distance = choicesOf(Setting::nVzdalenost);
inline const std::span<const Choice> frequency = choicesOf(Setting::nKmitočet);
inline const std::span<const Choice> pattern = choicesOf(Setting::nInterference);
} // namespace settingchoices
