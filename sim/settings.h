// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <stdexcept>

// The five settings, each the text of one hidden text field of the window.
enum class Setting {
    nVzdalenost,   // detector-screen distance: "100", "150", "200"
    nOdchylka,     // slit spacing: "40", "15", "10", "5", "0"
    nKmitočet,     // frequency: "0.1", "0.3", "0.5", "2" (the user's decimal separator)
    nInterference, // pattern mode: "0" light, "1" interference, "2" photon density
    nSpomaleni,    // slow-down: "1" to "20"
};
inline constexpr Setting allSettings[] = {Setting::nVzdalenost, Setting::nOdchylka, Setting::nKmitočet,
                                          Setting::nInterference, Setting::nSpomaleni};

// A read-only view of the settings. Every read fetches the current text afresh.
class Settings {
public:
    virtual ~Settings() = default;
    virtual QString text(Setting setting) const = 0;
};

// The five texts themselves, as a run keeps the ones it started with.
class SettingTexts : public Settings {
public:
    SettingTexts() = default;
    explicit SettingTexts(const Settings &settings);
    QString text(Setting setting) const override { return texts_[std::size_t(setting)]; }
    void set(Setting setting, const QString &text) { texts_[std::size_t(setting)] = text; }

private:
    std::array<QString, 5> texts_; // by Setting
};

// A setting text that a run will not go on with. The window never writes one; a
// run that meets one stops and says so instead of going on with a made-up value.
class SettingRefused : public std::runtime_error {
public:
    SettingRefused(Setting setting, const QString &text, const char *why);
    Setting setting;
    QString text;
};

// A setting text that is not a number.
class SettingNotNumber : public SettingRefused {
public:
    SettingNotNumber(Setting setting, const QString &text);
};

// A number that none of the controls writes for its setting (a slow-down of
// 100000 would wait for hours, a distance of 0 puts the screen on the slits,
// where a photon count is infinite).
class SettingOutOfRange : public SettingRefused {
public:
    SettingOutOfRange(Setting setting, const QString &text);
};

// The setting read as a number, with the user's locale's decimal separator.
// Throws SettingNotNumber or SettingOutOfRange unless it is one of the values
// the controls write: distance 100, 150, 200; spacing 0, 5, 10, 15, 40;
// frequency 0.1, 0.3, 0.5, 2; mode 0, 1, 2; slow-down a whole number 1 to 20.
double settingNumber(const Settings &settings, Setting setting);

// The text a whole number or a fraction is written as, in the user's locale ("0.1" or "0,1").
QString numberText(double value);
