// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PopupPlacement.h"

#include <QDBusConnection>
#include <QPoint>
#include <functional>
#include <memory>

class KWinScript;

// Puts Horavane's popover where it belongs on KWin's Wayland session, where a window cannot place itself: a
// script in KWin asks this object, over D-Bus, where the window with the popover's title should go each time
// it appears or changes size, keeps it inside the area the panels leave free, and keeps it out of the task
// manager, the pager and the window switcher. The script is unloaded when this object goes.
class KWinPopupPlacement final : public PopupPlacement
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.corvani.Horavane.KWinPopup")
public:
    // None when KWin is not on the session bus or does not run the script. `position` tells where the window's
    // top left corner should be.
    static std::unique_ptr<KWinPopupPlacement> create(QDBusConnection bus, const QString& title,
                                                      std::function<QPoint()> position);
    ~KWinPopupPlacement() override;

public slots:
    // From the script: where the window goes.
    Q_SCRIPTABLE void position(int& x, int& y) const;

private:
    KWinPopupPlacement(QDBusConnection bus, std::function<QPoint()> position);

    QDBusConnection m_bus;
    std::function<QPoint()> m_position;
    std::unique_ptr<KWinScript> m_script;
};
