#pragma once

#include <QString>

class Settings;

// The picture a run leaves, in words, for a screen reader: the pattern mode,
// the spacing, distance and frequency the run used, how many bright bands the
// plot shows and where the brightest of them lies. Reads the settings as the
// run did; throws SettingNotNumber as the run does.
QString describePicture(const Settings &settings);

// What the picture shows before the first run.
QString describeEmptyPicture();
