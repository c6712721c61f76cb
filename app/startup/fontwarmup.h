// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <thread>

// Start-up: fontconfig reads its configuration and font cache (several
// milliseconds of XML parsing) on a second thread while the main thread
// connects to the display. Made before the QApplication; wait() before the
// first font is used, so that the main thread never loads a second copy of
// the configuration alongside this one.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    // Returns once fontconfig is ready.
    void wait();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread thread_;
};
