#include "nowaitpacer.h"

void NoWaitPacer::countDown(long long) {}
