// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopPanelTone.h"

#include <gtest/gtest.h>

TEST(DesktopPanelToneTest, XfcePanelFromItsSettings)
{
    const QVariantMap defaults{{"/panels/dark-mode", true},
                               {"/panels/panel-1/plugin-ids", QVariantList{1, 2, 3}},
                               {"/plugins/plugin-3", "systray"}};
    QVariantMap chosenColor = defaults;
    chosenColor["/panels/dark-mode"] = false;
    chosenColor["/panels/panel-1/background-style"] = 1u;
    chosenColor["/panels/panel-1/background-rgba"] = QVariantList{0.95, 0.95, 0.95, 1.0};
    QVariantMap trayOnSecondPanel = chosenColor;
    trayOnSecondPanel["/panels/panel-1/plugin-ids"] = QVariantList{1, 2};
    trayOnSecondPanel["/panels/panel-2/plugin-ids"] = QVariantList{3};
    trayOnSecondPanel["/panels/panel-2/background-style"] = 1u;
    trayOnSecondPanel["/panels/panel-2/background-rgba"] = QVariantList{0.1, 0.1, 0.12, 1.0};
    QVariantMap themed = defaults;
    themed["/panels/dark-mode"] = false;
    struct Case
    {
        const char* name;
        QVariantMap panel;
        QString theme;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {"dark mode, the default since 4.18", defaults, "Adwaita", true},
        {"a light colour the user chose", chosenColor, "Adwaita-dark", false},
        {"the colour of the panel holding the tray", trayOnSecondPanel, "Adwaita", true},
        {"the GTK theme's panel, light", themed, "Greybird", false},
        {"the GTK theme's panel, dark", themed, "Greybird-dark", true},
        {"no settings at all", {}, "Adwaita-dark", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesktopPanelTone::xfcePanelIsDark(c.panel, c.theme), c.expected) << c.name;
}
