// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "labels.h"
#include "settings.h"

struct Choice;
#include <QFont>
#include <QRect>
#include <QtGlobal>
#include <span>
#include <variant>

class frmQuarnel;

// The kinds of control the window is built of.
enum class ControlKind {
    Picture, // the kept picture beneath every control
    Label,   // a label shown from the start, part of the picture's surface
    PushButton,
    ScrollBar,
    Frame, // a captioned group; the option rows that follow it belong to it
    Option,
    Field,      // a hidden text field holding one setting
    SceneLabel, // hidden at start; a run shows it beside a part of the scene
};

// A laid-out font, bold; no family: the window's regular dialog font.
struct ControlFont {
    const char *family = nullptr;
    qreal points = 0;
};

// The classic dialog font, regular: the main window's own font, which its
// controls without a font of their own use, and every other window's.
QFont dialogFont();

using ClickHandler = void (frmQuarnel::*)();
using ValueHandler = void (frmQuarnel::*)(int);

// One control: everything the window and a screen reader know of it.
struct ControlRow {
    const char *name;
    ControlKind kind;
    const char *caption;
    QRect geometry; // pixels in its container: the window, or an option's frame
    ControlFont font;
    int tabIndex; // an option's orders it within its frame, whose own places the group
    std::variant<std::monostate, ClickHandler, ValueHandler> handler;
    const char *accessibleName;        // nullptr: the caption
    const char *accessibleDescription; // what it sets, where the caption alone does not say
    bool visible = true;               // a hidden frame hides its options too
    bool centred = false;              // a label's caption centred in its box
    // A field's setting, a scene label's place in the run, an option's choice.
    std::variant<std::monostate, Setting, SceneLabel, const Choice *> holds = {};
    // What it does, in one line, shown under the pointer; nullptr: the accessible
    // description says it. The picture's shows wherever no control has one.
    const char *toolTip = nullptr;
};

// The window's controls in the order they are made, which is also their
// stacking order, bottom to top.
std::span<const ControlRow> controlTable();

// A control the user never sees: a setting field, a frame laid out hidden (its
// buttons hide with it), a label too low for its caption to show.
bool neverShown(const ControlRow &row);
