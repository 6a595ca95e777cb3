// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"

#include <QPalette>
#include <QPixmap>

class Icons;

// The picture of an item: an application's own icon, a website's favicon, or a globe while a site has none.
namespace ItemIcon {

// The side of the square an item icon fills, in points.
inline constexpr int frame = 22;

// The icon of the item drawn into a transparent frame × frame square at the pixel ratio. A favicon that is
// not there yet starts loading and gives the globe for now.
QPixmap render(Icons& icons, const ItemKey& key, const QPalette& palette, qreal devicePixelRatio);

} // namespace ItemIcon
