// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "window/controltable.h"

#include "accessibility/settingcaptions.h"
#include "scenegeometry.h"
#include "window/frmquarnel.h"

namespace {
using K = ControlKind;
using F = frmQuarnel;
using namespace settingchoices; // the options' captions, which the picture's description repeats
constexpr ControlFont times(qreal points) { return {"Times New Roman", points}; }
constexpr ControlFont arial(qreal points) { return {"Arial", points}; }
constexpr ControlFont msSans{"MS Sans Serif", 8.25};
constexpr ControlFont dialog{};
constexpr bool hidden = false;
constexpr bool centred = true;

// Every text the window shows or a screen reader speaks is translated where the
// window sets it, in the context "frmQuarnel" (the options' captions in
// "SettingCaption", one text per group). Texts that never show are left as they
// are. Each caption's translator comment gives its box; a translated caption
// longer than its box is set smaller until it fits (window/captionfit.h).
//
// The same captions ("large", "middle") stand for different settings in
// different frames; the descriptions tell them apart.
// clang-format off
const ControlRow rows[] = {
    // Tab reaches the picture after Exit (2), before the option groups, each at its frame's index.
    {"picture", K::Picture, "", {QPoint(0, 0), sceneSize}, dialog, 3, {},
     //: What a screen reader calls the picture of the apparatus and the plot.
     QT_TRANSLATE_NOOP("frmQuarnel", "Interference picture"), nullptr, true, false, {},
     //: The tooltip over the picture, the first hint a new user sees: the right
     //: mouse button opens the picture's menu, F1 (the help key) the help.
     QT_TRANSLATE_NOOP("frmQuarnel", "Right-click for more; F1 for help")},
    //: The window's heading, centred in a box of 361 x 25 pixels (Times New Roman
    //: 15.75 pt bold, one line).
    {"labInterference", K::Label, QT_TRANSLATE_NOOP("frmQuarnel", "Interference and light pattern"), {96, 8, 361, 25}, times(15.75), 0, {},
     nullptr, nullptr, true, centred},
    //: The button that starts a run: 73 x 33 pixels, Times New Roman 14.25 pt bold.
    {"cmdStart", K::PushButton, QT_TRANSLATE_NOOP("frmQuarnel", "Start"), {536, 8, 73, 33}, times(14.25), 1, &F::cmdStart_Click, nullptr,
     //: What a screen reader says of Start.
     QT_TRANSLATE_NOOP("frmQuarnel", "Runs the scan of the screen with the chosen settings and plots the pattern")},
    //: The button that closes Quarnel (after a run that goes on): 65 x 33 pixels,
    //: Times New Roman 14.25 pt bold.
    {"cmdKonec", K::PushButton, QT_TRANSLATE_NOOP("frmQuarnel", "Exit"), {616, 8, 65, 33}, times(14.25), 2, &F::cmdKonec_Click, nullptr,
     //: What a screen reader says of Exit.
     QT_TRANSLATE_NOOP("frmQuarnel", "Closes Quarnel")},
    {"HScroll1", K::ScrollBar, "", {144, 40, 153, 17}, dialog, 41, &F::HScroll1_Change,
     //: What a screen reader calls the scroll bar that slows the animation down.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slow-down"),
     //: What a screen reader says of the scroll bar. Numbers as your language writes them.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slow-down of the animation, 1 to 20: at 1 a run takes about 1.2 seconds, at 20 about 24")},
    //: The prompt on the empty picture, centred in 273 x 33 pixels (Times New Roman
    //: 15.75 pt bold, one line): name the Start button by its translated caption.
    {"labKlepnete", K::Label, QT_TRANSLATE_NOOP("frmQuarnel", "Please press button Start"), {208, 280, 273, 33}, times(15.75), 24, {},
     nullptr, nullptr, true, centred},
    // One pixel high, so its caption never shows.
    {"Label1", K::Label, "Label1", {600, 24, 17, 1}, dialog, 22, {}, nullptr, nullptr},

    //: The caption of the slit-spacing group, on the top line of a frame 89 pixels
    //: wide (MS Sans Serif 8.25 pt bold): how far each slit lies from the optical axis.
    {"frmnRozteč", K::Frame, QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing"), {16, 64, 89, 105}, msSans, 3, {}, nullptr,
     //: What a screen reader says of the slit-spacing group.
     QT_TRANSLATE_NOOP("frmQuarnel", "How far each slit lies from the optical axis")},
    {"opVelka", K::Option, spacing[0].caption.source, {16, 16, 49, 17}, dialog, 32, &F::opVelka_Click, nullptr,
     //: What a screen reader says of an option: the group's name and the option's
     //: caption as they are translated, then what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing large: each slit %1 pixels from the optical axis"), true, false, &spacing[0]},
    {"op60", K::Option, spacing[1].caption.source, {16, 33, 49, 13}, dialog, 13, &F::op60_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing minor: each slit %1 pixels from the optical axis"), true, false, &spacing[1]},
    {"op40", K::Option, spacing[2].caption.source, {16, 48, 57, 17}, dialog, 12, &F::op40_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing middle: each slit %1 pixels from the optical axis"), true, false, &spacing[2]},
    {"op20", K::Option, spacing[3].caption.source, {16, 64, 57, 13}, dialog, 11, &F::op20_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing small: each slit %1 pixels from the optical axis"), true, false, &spacing[3]},
    {"op0", K::Option, spacing[4].caption.source, {16, 80, 49, 17}, dialog, 8, &F::op0_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Slit spacing 0: both slits on the optical axis"), true, false, &spacing[4]},

    //: The caption of the distance group, on the top line of a frame 169 pixels wide
    //: (MS Sans Serif 8.25 pt bold): how far the detector screen stands behind the
    //: barrier. The screen is the one the pattern falls on, as everywhere else.
    {"frmVzdalenostDetektoru", K::Frame, QT_TRANSLATE_NOOP("frmQuarnel", "Detector-Screen distance"), {16, 184, 169, 73}, msSans, 5, {},
     //: What a screen reader says of the distance group.
     nullptr, QT_TRANSLATE_NOOP("frmQuarnel", "How far the screen stands behind the barrier")},
    {"opDc200", K::Option, distance[0].caption.source, {32, 16, 49, 13}, dialog, 9, &F::opDc200_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Detector-screen distance large: the screen %1 pixels behind the barrier"), true, false, &distance[0]},
    {"opDc150", K::Option, distance[1].caption.source, {56, 32, 65, 17}, dialog, 10, &F::opDc150_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Detector-screen distance middle: the screen %1 pixels behind the barrier"), true, false, &distance[1]},
    {"opdc100", K::Option, distance[2].caption.source, {88, 48, 65, 17}, dialog, 6, &F::opdc100_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Detector-screen distance near: the screen %1 pixels behind the barrier"), true, false, &distance[2]},

    //: The caption of the frequency group, on the top line of a frame 105 pixels wide
    //: (Arial 8.25 pt bold). It sets the wave number k: how fast the phase turns.
    {"frmKmitočet", K::Frame, QT_TRANSLATE_NOOP("frmQuarnel", "Frequency"), {16, 264, 105, 81}, arial(8.25), 14, {}, nullptr,
     //: What a screen reader says of the frequency group. The wave number is the
     //: physics term (k); the phase turns along a path by k radians per pixel.
     QT_TRANSLATE_NOOP("frmQuarnel", "The wave number of the light: how fast the phase turns along a path")},
    {"op2", K::Option, frequency[0].caption.source, {8, 16, 57, 17}, dialog, 31, &F::op2_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Frequency higher: the phase turns %1 radians per pixel of path"), true, false, &frequency[0]},
    {"op05", K::Option, frequency[1].caption.source, {24, 32, 57, 17}, dialog, 15, &F::op05_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     //: Numbers as your language writes them.
     QT_TRANSLATE_NOOP("frmQuarnel", "Frequency high: the phase turns %1 radians per pixel of path"), true, false, &frequency[1]},
    {"op03", K::Option, frequency[2].caption.source, {40, 48, 57, 13}, dialog, 17, &F::op03_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     //: Numbers as your language writes them.
     QT_TRANSLATE_NOOP("frmQuarnel", "Frequency middle: the phase turns %1 radians per pixel of path"), true, false, &frequency[2]},
    {"op01", K::Option, frequency[3].caption.source, {56, 64, 41, 13}, dialog, 18, &F::op01_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     //: Numbers as your language writes them.
     QT_TRANSLATE_NOOP("frmQuarnel", "Frequency low: the phase turns %1 radians per pixel of path"), true, false, &frequency[3]},

    //: The caption of the pattern group, on the top line of a frame 113 pixels wide
    //: (MS Sans Serif 8.25 pt bold): what the plot beside the screen shows.
    {"frmInterfeSvetloFoton", K::Frame, QT_TRANSLATE_NOOP("frmQuarnel", "Pattern"), {16, 352, 113, 73}, msSans, 28, {}, nullptr,
     //: What a screen reader says of the pattern group.
     QT_TRANSLATE_NOOP("frmQuarnel", "What the plot beside the screen shows")},
    {"opSvětlo", K::Option, pattern[0].caption.source, {8, 16, 65, 13}, dialog, 29, &F::opSvětlo_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Pattern light: the interference weighted by the distance from each slit, as bars"), true, false, &pattern[0]},
    {"opFoton", K::Option, pattern[1].caption.source, {8, 32, 89, 13}, dialog, 30, &F::opFoton_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets. A
     //: phasor is the arrow that stands for a wave's phase.
     QT_TRANSLATE_NOOP("frmQuarnel", "Pattern interference: the squared length of the phasor sum, as bars"), true, false, &pattern[1]},
    {"opDopad", K::Option, pattern[2].caption.source, {8, 48, 97, 13}, dialog, 35, &F::opDopad_Click, nullptr,
     //: What a screen reader says of an option: group, caption, what it sets.
     QT_TRANSLATE_NOOP("frmQuarnel", "Pattern photon density: at each height as many random dots as photons arrive"), true, false, &pattern[2]},

    {"frmAnimace", K::Frame, "Animace", {16, 440, 81, 65}, msSans, 37, {}, nullptr, "Animation speed",
     hidden},
    {"opRychlá", K::Option, "Rychlá", {8, 16, 65, 17}, dialog, 38, &F::opRychlá_Click, nullptr,
     "Animation speed fast: slow-down %1", true, false, &choiceNamed("opRychlá")},
    {"opPomalejší", K::Option, "Pomalejší", {8, 32, 65, 17}, dialog, 39, &F::opPomalejší_Click, nullptr,
     "Animation speed slower: slow-down %1", true, false, &choiceNamed("opPomalejší")},
    {"opPomalá", K::Option, "Pomalá", {8, 48, 65, 13}, dialog, 40, &F::opPomalá_Click, nullptr,
     "Animation speed slow: slow-down %1", true, false, &choiceNamed("opPomalá")},

    // The caption of a field is the placeholder that the start-up settings replace.
    {"nOdchylka", K::Field, "Odchylka", {136, 88, 73, 19}, dialog, 4, {}, "Slit spacing setting",
     "The chosen slit spacing in pixels, as text", hidden, false, Setting::nOdchylka},
    {"nVzdalenost", K::Field, "Vzdalenost", {112, 152, 73, 19}, dialog, 7, {},
     "Detector-screen distance setting", "The chosen distance in pixels, as text", hidden, false,
     Setting::nVzdalenost},
    {"nKmitočet", K::Field, "Kmitočet", {143, 272, 42, 19}, dialog, 16, {}, "Frequency setting",
     "The chosen wave number, as text", hidden, false, Setting::nKmitočet},
    {"nInterference", K::Field, "Interference", {176, 368, 73, 19}, dialog, 27, {}, "Pattern setting",
     "The chosen pattern: 0 light, 1 interference, 2 photon density", hidden, false,
     Setting::nInterference},
    {"nSpomaleni", K::Field, "Spomaleni", {184, 64, 65, 19}, dialog, 36, {}, "Slow-down setting",
     "The chosen slow-down, 1 to 20, as text", hidden, false, Setting::nSpomaleni},

    //: The label beside the barrier with the two slits, 49 x 17 pixels (Arial
    //: 9.75 pt bold). The English caption says "Screen" as it was laid out; name the
    //: barrier, as the help does.
    {"labClona", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Screen"), {16, 8, 49, 17}, arial(9.75), 19, {}, nullptr, nullptr, hidden,
     false, SceneLabel::labClona},
    //: The label below the light source, 49 x 25 pixels (Arial 9.75 pt bold).
    {"labZdroj", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Source"), {64, 8, 49, 25}, arial(9.75), 21, {}, nullptr, nullptr, hidden,
     false, SceneLabel::labZdroj},
    //: The label over the detector screen the pattern falls on, 57 x 25 pixels
    //: (Arial 9.75 pt bold; "Detektor" is the laid-out English spelling). The word
    //: your language uses for that screen everywhere else.
    {"labDetektor", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Detektor"), {464, 8, 57, 25}, arial(9.75), 23, {}, nullptr, nullptr,
     hidden, false, SceneLabel::labDetektor},
    {"labA", K::SceneLabel, "A", {216, 88, 17, 17}, times(12), 25, {}, nullptr, nullptr, hidden, false,
     SceneLabel::labA},
    {"labB", K::SceneLabel, "B", {256, 64, 17, 17}, times(12), 26, {}, nullptr, nullptr, hidden, false,
     SceneLabel::labB},
    //: The label left of the plot axis, 49 x 33 pixels (MS Sans Serif 8.25 pt bold),
    //: wrapped at spaces and soft hyphens (U+00AD). The same words as the Photon
    //: density pattern's option.
    {"labHustota", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Photon density"), {128, 64, 49, 33}, msSans, 33, {}, nullptr, nullptr,
     hidden, false, SceneLabel::labHustota},
    //: The heading over the plot for the patterns Light and Photon density, centred
    //: in 97 x 33 pixels (Arial 9.75 pt bold, wrapped).
    {"labInterObr", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Light pattern"), {312, 40, 97, 33}, arial(9.75), 34, {}, nullptr,
     nullptr, hidden, centred, SceneLabel::labInterObr},
    //: The heading over the plot for the pattern Interference, centred in 121 x 33
    //: pixels (Arial 9.75 pt bold, wrapped; "Intrference" is the laid-out English
    //: spelling, write your language's word correctly).
    {"labPravde", K::SceneLabel, QT_TRANSLATE_NOOP("frmQuarnel", "Intrference pattern"), {8, 32, 121, 33}, arial(9.75), 20, {}, nullptr,
     nullptr, hidden, centred, SceneLabel::labPravde},
};
// clang-format on
} // namespace

QFont dialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

std::span<const ControlRow> controlTable() { return rows; }

bool neverShown(const ControlRow &row)
{
    switch (row.kind) {
    case ControlKind::Field:
        return true;
    case ControlKind::Frame:
        return !row.visible;
    case ControlKind::Label:
        return row.geometry.height() <= 1;
    default:
        return false;
    }
}
