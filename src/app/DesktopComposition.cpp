// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopComposition.h"

#include "X11Compositing.h"

#include <QGuiApplication>

bool DesktopComposition::active()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb"))
        return X11Compositing::isActive();
    return platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("offscreen");
}
