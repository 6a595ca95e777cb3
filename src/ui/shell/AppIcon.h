// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The program's own icon: a ring of a few palette colours, as the tray shows today.
namespace AppIcon {

// The icon drawn at size × size pixels on a transparent background.
QImage render(int size);
// The installed theme icon when there is one, else the drawn one at the usual sizes.
QIcon icon();

} // namespace AppIcon
