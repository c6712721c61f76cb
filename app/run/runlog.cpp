// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#include "run/runlog.h"

// Named "quarnel", so that Qt's usual message pattern starts each line "quarnel: ".
Q_LOGGING_CATEGORY(runLog, "quarnel", QtWarningMsg)

void enableRunLogFromEnvironment()
{
    const QByteArray value = qgetenv("QUARNEL_TRACE");
    if (!value.isEmpty() && value != "0")
        QLoggingCategory::setFilterRules(QStringLiteral("quarnel.info=true"));
}
