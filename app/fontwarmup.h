#pragma once

#include <thread>

// Start-up: fontconfig reads its configuration and font cache (several
// milliseconds of XML parsing) on a second thread while the main thread
// connects to the display. The window's first font then finds fontconfig
// ready instead of waiting for it. Made before the QApplication; the thread
// is joined when this is destroyed.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread thread_;
};
