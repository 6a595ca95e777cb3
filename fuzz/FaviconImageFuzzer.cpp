// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Favicon bytes from a browser's database or the cache, decoded to an image and reduced to its hue.
#include "FuzzSupport.h"
#include "Icons.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::startGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<QImage> image = Icons::decodeFavicon(Fuzz::bytes(data, size));
    if (!image)
        return 0;
    FUZZ_REQUIRE(!image->isNull() && image->width() <= 2048 && image->height() <= 2048);
    if (const std::optional<double> hue = Icons::dominantHue(*image))
        FUZZ_REQUIRE(*hue >= 0 && *hue < 360);
    return 0;
}
