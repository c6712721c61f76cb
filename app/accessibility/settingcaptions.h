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
    double value; // the setting's text is numberText(value)
    // Untranslated, translated in the context "SettingCaption" with its group as
    // lupdate's disambiguation: the same word ("large", "middle") in two groups is
    // two texts, so that each language gives it the gender and form its group needs.
    struct {
        const char *source;
        const char *group;
    } caption;
};

namespace settingchoices {
// Each option's caption stands beside its round mark in a box of the window's
// laid-out size; a translation longer than the box is set in a smaller font
// until it fits (window/captionfit.h), down to 60 %.
// clang-format off
inline constexpr SettingChoice spacing[] = {
    //: Option of the "Slit spacing" group (a box of 49 x 17 pixels with its mark):
    //: each slit 40 pixels from the optical axis, the largest spacing. An adjective
    //: agreeing with your language's word for the spacing, as the group's caption has it.
    {40, QT_TRANSLATE_NOOP3("SettingCaption", "large", "slit spacing")},
    //: Option of the "Slit spacing" group (49 x 13 pixels): 15 pixels, the second
    //: largest of five (40, 15, 10, 5, 0); "smaller than large", not "small".
    {15, QT_TRANSLATE_NOOP3("SettingCaption", "minor", "slit spacing")},
    //: Option of the "Slit spacing" group (57 x 17 pixels): 10 pixels, the middle one.
    {10, QT_TRANSLATE_NOOP3("SettingCaption", "middle", "slit spacing")},
    //: Option of the "Slit spacing" group (57 x 13 pixels): 5 pixels, the smallest
    //: spacing above none.
    {5, QT_TRANSLATE_NOOP3("SettingCaption", "small", "slit spacing")},
    //: Option of the "Slit spacing" group (49 x 17 pixels): both slits on the
    //: optical axis. A number: keep it as it is.
    {0, QT_TRANSLATE_NOOP3("SettingCaption", "0", "slit spacing")},
};
inline constexpr SettingChoice distance[] = {
    //: Option of the "Detector-Screen distance" group (49 x 13 pixels): the screen
    //: 200 pixels behind the barrier, the farthest. An adjective agreeing with
    //: your language's word for the distance.
    {200, QT_TRANSLATE_NOOP3("SettingCaption", "large", "detector-screen distance")},
    //: Option of the "Detector-Screen distance" group (65 x 17 pixels): 150 pixels.
    {150, QT_TRANSLATE_NOOP3("SettingCaption", "middle", "detector-screen distance")},
    //: Option of the "Detector-Screen distance" group (65 x 17 pixels): 100 pixels,
    //: the screen nearest the barrier.
    {100, QT_TRANSLATE_NOOP3("SettingCaption", "near", "detector-screen distance")},
};
inline constexpr SettingChoice frequency[] = {
    //: Option of the "Frequency" group (57 x 17 pixels): a wave number of 2 radians
    //: per pixel, the highest. An adjective agreeing with your language's word for
    //: the frequency.
    {2, QT_TRANSLATE_NOOP3("SettingCaption", "higher", "frequency")},
    //: Option of the "Frequency" group (57 x 17 pixels): 0.5 radians per pixel.
    {0.5, QT_TRANSLATE_NOOP3("SettingCaption", "high", "frequency")},
    //: Option of the "Frequency" group (57 x 13 pixels): 0.3 radians per pixel.
    {0.3, QT_TRANSLATE_NOOP3("SettingCaption", "middle", "frequency")},
    //: Option of the "Frequency" group (41 x 13 pixels): 0.1 radians per pixel,
    //: the lowest. A whole word, not an abbreviation such as "min".
    {0.1, QT_TRANSLATE_NOOP3("SettingCaption", "low", "frequency")},
};
inline constexpr SettingChoice pattern[] = {
    //: Option of the "Pattern" group (65 x 13 pixels): the interference weighted
    //: by each slit's distance, as light on a screen. The pattern's name: the
    //: help and the picture's description use it too.
    {0, QT_TRANSLATE_NOOP3("SettingCaption", "Light", "pattern")},
    //: Option of the "Pattern" group (89 x 13 pixels): the interference term alone.
    //: The pattern's name, as in the help.
    {1, QT_TRANSLATE_NOOP3("SettingCaption", "Interference", "pattern")},
    //: Option of the "Pattern" group (97 x 13 pixels): the light as random photon
    //: dots. The pattern's name: the label beside the plot ("Photon density") must
    //: say the same; a soft hyphen (U+00AD) may mark where a long word can break.
    {2, QT_TRANSLATE_NOOP3("SettingCaption", "Photon density", "pattern")},
};
} // namespace settingchoices
// clang-format on

// The choices of a setting; none for the slow-down, which the scroll bar sets.
std::span<const SettingChoice> settingChoices(Setting setting);

// The option's caption in the user's language, as its button shows it.
QString translatedCaption(const SettingChoice &choice);

// The translated caption of the option whose value the setting's text holds
// now, as it is spoken (without the soft hyphens that mark where a long word
// may break); an empty string when no option writes that text.
QString chosenCaption(const Settings &settings, Setting setting);

// A caption as it is spoken or read out: without its soft hyphens.
QString withoutSoftHyphens(QString text);
