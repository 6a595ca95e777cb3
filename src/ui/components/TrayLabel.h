// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Glance.h"
#include "Palette.h"
#include "TrayIcon.h"

#include <QColor>
#include <QImage>
#include <QString>

// What the tray item shows: the tray ring, tinted for the panel, with today's time beside it where an
// image may carry it (the preview's sheet), and a tooltip.
namespace TrayLabel {

constexpr qreal spacing = 4; // points between the ring and the time

// The panel's text colour: dark on a light panel, light on a dark one.
QColor textColor(Appearance panel);
// The label image at the pixel ratio: the ring of the first effective-count shares, then the time when
// showsTime is on. chartColors is the stored "chartColors" value. The ring comes from the owner's cache when given.
// A valid halo colour outlines the ring by one pixel, so that it reads on light and dark alike.
QImage image(const Glance& glance, bool showsTime, int chartColors, const QColor& color, qreal devicePixelRatio,
             TrayIcon::ImageCache* cache = nullptr, const QColor& halo = QColor());
// "Horavane — " and today's time, for the tray item's tooltip.
QString toolTip(const Glance& glance);
// The accessible name of the tray item.
QString accessibleName();

} // namespace TrayLabel
