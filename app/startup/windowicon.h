// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The icon every window of the program shows, made from the raw pixels that the
// build put into the resources (startup/iconpixels.cpp): no PNG is decoded and no
// image plugin loaded before the window appears. Falls back to the PNG.
QIcon quarnelWindowIcon();
