// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "choices.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {
// Each option's caption stands beside its round mark in a box of the window's
// laid-out size; a translation longer than the box is set in a smaller font
// until it fits, down to 60 %.
// clang-format off
constexpr Choice table[] = {
    //: Option of the "Slit spacing" group (a box of 49 x 17 pixels with its mark):
    //: each slit 40 pixels from the optical axis, the largest spacing. An adjective
    //: agreeing with your language's word for the spacing, as the group's caption has it.
    {Setting::nOdchylka, 40, "opVelka", QT_TRANSLATE_NOOP3("SettingCaption", "large", "slit spacing")},
    //: Option of the "Slit spacing" group (49 x 13 pixels): 15 pixels, the second
    //: largest of five (40, 15, 10, 5, 0); "smaller than large", not "small".
    {Setting::nOdchylka, 15, "op60", QT_TRANSLATE_NOOP3("SettingCaption", "minor", "slit spacing")},
    //: Option of the "Slit spacing" group (57 x 17 pixels): 10 pixels, the middle one.
    {Setting::nOdchylka, 10, "op40", QT_TRANSLATE_NOOP3("SettingCaption", "middle", "slit spacing")},
    //: Option of the "Slit spacing" group (57 x 13 pixels): 5 pixels, the smallest
    //: spacing above none.
    {Setting::nOdchylka, 5, "op20", QT_TRANSLATE_NOOP3("SettingCaption", "small", "slit spacing")},
    //: Option of the "Slit spacing" group (49 x 17 pixels): both slits on the
    //: optical axis. A number: keep it as it is.
    {Setting::nOdchylka, 0, "op0", QT_TRANSLATE_NOOP3("SettingCaption", "0", "slit spacing")},

    //: Option of the "Detector-Screen distance" group (49 x 13 pixels): the screen
    //: 200 pixels behind the barrier, the farthest. An adjective agreeing with
    //: your language's word for the distance.
    {Setting::nVzdalenost, 200, "opDc200", QT_TRANSLATE_NOOP3("SettingCaption", "large", "detector-screen distance")},
    //: Option of the "Detector-Screen distance" group (65 x 17 pixels): 150 pixels.
    {Setting::nVzdalenost, 150, "opDc150", QT_TRANSLATE_NOOP3("SettingCaption", "middle", "detector-screen distance")},
    //: Option of the "Detector-Screen distance" group (65 x 17 pixels): 100 pixels,
    //: the screen nearest the barrier.
    {Setting::nVzdalenost, 100, "opdc100", QT_TRANSLATE_NOOP3("SettingCaption", "near", "detector-screen distance")},

    //: Option of the "Frequency" group (57 x 17 pixels): a wave number of 2 radians
    //: per pixel, the highest. An adjective agreeing with your language's word for
    //: the frequency.
    {Setting::nKmitočet, 2, "op2", QT_TRANSLATE_NOOP3("SettingCaption", "higher", "frequency")},
    //: Option of the "Frequency" group (57 x 17 pixels): 0.5 radians per pixel.
    {Setting::nKmitočet, 0.5, "op05", QT_TRANSLATE_NOOP3("SettingCaption", "high", "frequency")},
    //: Option of the "Frequency" group (57 x 13 pixels): 0.3 radians per pixel.
    {Setting::nKmitočet, 0.3, "op03", QT_TRANSLATE_NOOP3("SettingCaption", "middle", "frequency")},
    //: Option of the "Frequency" group (41 x 13 pixels): 0.1 radians per pixel,
    //: the lowest. A whole word, not an abbreviation such as "min".
    {Setting::nKmitočet, 0.1, "op01", QT_TRANSLATE_NOOP3("SettingCaption", "low", "frequency")},

    //: Option of the "Pattern" group (65 x 13 pixels): the interference weighted
    //: by each slit's distance, as light on a screen. The pattern's name: the
    //: help and the picture's description use it too.
    {Setting::nInterference, 0, "opSvětlo", QT_TRANSLATE_NOOP3("SettingCaption", "Light", "pattern")},
    //: Option of the "Pattern" group (89 x 13 pixels): the interference term alone.
    //: The pattern's name, as in the help.
    {Setting::nInterference, 1, "opFoton", QT_TRANSLATE_NOOP3("SettingCaption", "Interference", "pattern")},
    //: Option of the "Pattern" group (97 x 13 pixels): the light as random photon
    //: dots. The pattern's name: the label beside the plot ("Photon density") must
    //: say the same; a soft hyphen (U+00AD) may mark where a long word can break.
    {Setting::nInterference, 2, "opDopad", QT_TRANSLATE_NOOP3("SettingCaption", "Photon density", "pattern")},
    // The hidden animation frame: never shown, so its captions stay as they are.
    {Setting::nSpomaleni, 1, "opRychlá", {"Rychlá", nullptr}},
    {Setting::nSpomaleni, 10, "opPomalejší", {"Pomalejší", nullptr}},
    {Setting::nSpomaleni, 20, "opPomalá", {"Pomalá", nullptr}},
};
// clang-format on
} // namespace

std::span<const Choice> choices() { return table; }

std::span<const Choice> choicesOf(Setting setting)
{
    // The table keeps each setting's options together.
    const Choice *first = std::find_if(std::begin(table), std::end(table),
                                       [setting](const Choice &c) { return c.setting == setting; });
    const Choice *last =
        std::find_if(first, std::end(table), [setting](const Choice &c) { return c.setting != setting; });
    return {first, last};
}

const Choice &choiceNamed(std::string_view objectName)
{
    for (const Choice &choice : table) {
        if (objectName == choice.objectName)
            return choice;
    }
    throw std::out_of_range("no option named " + std::string(objectName));
}

QString choiceText(const Choice &choice) { return numberText(choice.value); }
