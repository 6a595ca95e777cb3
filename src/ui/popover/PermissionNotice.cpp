#include "PermissionNotice.h"

#include "PlatformTexts.h"
#include "Theme.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PermissionNotice::PermissionNotice(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 4);
    layout->setSpacing(8);

    m_label = new QLabel(this);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText); // a browser's name is shown as written, never as markup
    m_label->setFont(Theme::font(TextStyle::callout));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyTextColor();
    m_label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    layout->addWidget(m_label);

    m_button = new QPushButton(this);
    layout->addWidget(m_button, 0, Qt::AlignLeft);
    connect(m_button, &QPushButton::clicked, this, [this] {
        if (m_browser)
            emit settingsRequested(m_browser->permission);
    });
    hide();
}

void PermissionNotice::setBlockedBrowser(const std::optional<Tracker::BlockedBrowser>& browser)
{
    if (browser == m_browser && isHidden() == !browser.has_value())
        return;
    m_browser = browser;
    if (browser) {
        m_label->setText(text(*browser));
        m_button->setText(buttonTitle(browser->permission));
    }
    setVisible(browser.has_value());
}

void PermissionNotice::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyTextColor(); // light and dark desktops have their own secondary grey
    QWidget::changeEvent(event);
}

void PermissionNotice::applyTextColor()
{
    QPalette secondary = m_label->palette();
    secondary.setColor(QPalette::WindowText, Theme::secondary(palette()));
    m_label->setPalette(secondary);
}

QString PermissionNotice::text(const Tracker::BlockedBrowser& browser)
{
    const QString opening = QStringLiteral("Horavane can't see which websites you visit in ") + browser.name;
    switch (browser.permission) {
    case BrowserPermission::accessibility:
        return opening + QStringLiteral(" yet. ") + browser.name +
               QStringLiteral(" can only be asked through Accessibility, which Horavane uses just to read the "
                              "address of the page in front.");
    case BrowserPermission::automation:
        break;
    }
    return opening + QStringLiteral(" yet.");
}

QString PermissionNotice::buttonTitle(BrowserPermission permission)
{
    return permission == BrowserPermission::accessibility ? PlatformTexts::accessibilitySettingsButton()
                                                          : PlatformTexts::browserAccessButton();
}
