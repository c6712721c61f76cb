// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

// Installs Quarnel's translation for the first of the locale's interface
// languages that has one (the desktop's: LANGUAGE, then LANG), and Qt's own
// texts in that same language. Only the matching file is opened: Quarnel's from
// the program's resources (:/i18n/quarnel_<language>.qm), Qt's from Qt's
// translations folder. Without a translation of Quarnel nothing is installed, so
// the window stays in English throughout. Replaces what an earlier call
// installed. Returns the language of the translation installed ("cs", or
// "it_IT" as lupdate names a new one), or an empty string.
QString installTranslations(const QLocale &locale = QLocale::system());
