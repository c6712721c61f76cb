#pragma once

#include "settings.h"

#include <QStringList>
#include <array>

// Settings held as plain texts; every read is logged by the setting's name.
class TextSettings : public Settings {
public:
    explicit TextSettings(QString distance = "200", QString spacing = "15", QString frequency = "2",
                          QString mode = "0", QString slowDown = "1")
        : texts{distance, spacing, frequency, mode, slowDown}
    {
    }

    QString text(Setting setting) const override
    {
        static const char *const names[] = {"distance", "spacing", "frequency", "mode", "slowdown"};
        reads << QLatin1String(names[int(setting)]);
        return texts[std::size_t(setting)];
    }
    void set(Setting setting, const QString &value) { texts[std::size_t(setting)] = value; }

    std::array<QString, 5> texts;
    mutable QStringList reads;
};
