// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "choices.h"
#include "settings.h"

#include <QString>
#include <optional>

// The option's caption in the user's language, as its button shows it.
QString translatedCaption(const Choice &choice);

// The setting's text read as a number, written in the user's digits or in ASCII
// ones; none when it is not a number.
std::optional<double> settingValue(const Settings &settings, Setting setting);

// The translated caption of the option whose value the setting's text holds
// now, as it is spoken (without the soft hyphens that mark where a long word
// may break); an empty string when no option writes that text.
QString chosenCaption(const Settings &settings, Setting setting);

// A caption as it is spoken or read out: without its soft hyphens.
QString withoutSoftHyphens(QString text);
