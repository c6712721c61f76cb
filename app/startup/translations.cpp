// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "startup/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

QString installTranslations(const QLocale &locale)
{
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qt;
    for (auto *translator : {own.get(), qt.get()}) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    own = std::make_unique<QTranslator>();
    qt = std::make_unique<QTranslator>();
    if (!own->load(locale, QStringLiteral("quarnel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return {};
    QString language = own->language();
    // Qt's texts (the buttons of a message box, a text field's menu) in the same
    // language as the window's, never in another one: qtbase_cs.qm for "cs" or
    // "cs_CZ".
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    QCoreApplication::installTranslator(own.get());
    return language;
}
