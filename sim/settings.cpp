#include "settings.h"

#include <QLocale>
#include <cmath>

SettingNotNumber::SettingNotNumber(Setting s, const QString &t)
    : std::runtime_error("setting text is not a number: \"" + t.toStdString() + "\""),
      setting(s),
      text(t)
{
}

double settingNumber(const Settings &settings, Setting setting)
{
    const QString text = settings.text(setting);
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        throw SettingNotNumber(setting, text);
    return value;
}

QString numberText(double value)
{
    return QLocale().toString(value, 'g', 15);
}
