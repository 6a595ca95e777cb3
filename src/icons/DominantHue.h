// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <optional>

// The hue in degrees [0, 360) that an image shows most strongly, as the weighted circular mean of its
// strongest 30-degree band on a 24 × 24 rendering; none when the image is mostly grey, dark or transparent.
// Pure; callable from any thread.
std::optional<double> dominantHue(const QImage& image);
