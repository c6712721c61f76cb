#include "fontwarmup.h"

#include <fontconfig/fontconfig.h>

// FcInit is safe to race with Qt's own call: the first configuration to be
// published wins and a second one is dropped.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    if (thread_.joinable())
        thread_.join();
}
