// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PermissionNotice.h"

#include "PlatformTexts.h"

PermissionNotice::PermissionNotice(QWidget* parent) : Notice(parent)
{
    connect(this, &Notice::buttonClicked, this, [this] {
        if (m_browser)
            emit settingsRequested(m_browser->permission);
    });
}

void PermissionNotice::setBlockedBrowser(const std::optional<Tracker::BlockedBrowser>& browser)
{
    if (browser == m_browser && isHidden() == !browser.has_value())
        return;
    m_browser = browser;
    if (browser)
        setNotice(text(*browser), buttonTitle(browser->permission));
    else
        setNotice(QString());
}

QString PermissionNotice::text(const Tracker::BlockedBrowser& browser)
{
    switch (browser.permission) {
    case BrowserPermission::accessibility:
        //: %1 is a web browser's name, such as Firefox
        return tr("Horavane can't see which websites you visit in %1 yet. %1 can only be asked through "
                  "Accessibility, which Horavane uses just to read the address of the page in front.")
            .arg(browser.name);
    case BrowserPermission::rendererAccessibility:
        break;
    }
    //: %1 is a web browser's name, such as Firefox
    return tr("Horavane can't see which websites you visit in %1 yet.").arg(browser.name);
}

QString PermissionNotice::buttonTitle(BrowserPermission permission)
{
    return permission == BrowserPermission::accessibility ? PlatformTexts::accessibilitySettingsButton()
                                                          : PlatformTexts::browserAccessButton();
}
