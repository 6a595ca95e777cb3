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
    const QString opening = QStringLiteral("Horavane can't see which websites you visit in ") + browser.name;
    switch (browser.permission) {
    case BrowserPermission::accessibility:
        return opening + QStringLiteral(" yet. ") + browser.name +
               QStringLiteral(" can only be asked through Accessibility, which Horavane uses just to read the "
                              "address of the page in front.");
    case BrowserPermission::rendererAccessibility:
        break;
    }
    return opening + QStringLiteral(" yet.");
}

QString PermissionNotice::buttonTitle(BrowserPermission permission)
{
    return permission == BrowserPermission::accessibility ? PlatformTexts::accessibilitySettingsButton()
                                                          : PlatformTexts::browserAccessButton();
}
