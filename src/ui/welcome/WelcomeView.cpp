// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WelcomeView.h"

#include "Accessibility.h"
#include "BrowserFamily.h"
#include "BrowserList.h"
#include "BrowserPermissions.h"
#include "FocusRing.h"
#include "LoginItem.h"
#include "Notice.h"
#include "PlatformTexts.h"
#include "Settings.h"
#include "Theme.h"
#include "Tracker.h"
#include "WelcomePoint.h"
#include "WelcomeSymbols.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Joins the last two words with a no-break space, so a wrapped text never ends on one word alone.
QString keepLastWordsTogether(QString text)
{
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space > 0)
        text[space] = QChar::Nbsp;
    return text;
}

} // namespace

WelcomeView::WelcomeView(Tracker& tracker, Icons& icons, Settings& settings, Accessibility& accessibility,
                         LoginItem& loginItem, std::function<QList<RunningApp>()> runningApplications, QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_settings(settings), m_accessibility(accessibility), m_loginItem(loginItem),
      m_runningApplications(std::move(runningApplications))
{
    setFixedWidth(fixedWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setFont(Theme::font(TextStyle::body));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 28);
    layout->setSpacing(0);

    m_icon = new QLabel(this);
    m_icon->setFixedSize(int(iconSide), int(iconSide));
    paintIcon();
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);

    layout->addSpacing(10);
    auto* heading = new QLabel(tr("Welcome to Horavane"), this);
    heading->setFont(Theme::font(TextStyle::title, QFont::DemiBold));
    heading->setWordWrap(true); // in a long language at a large font
    heading->setAlignment(Qt::AlignHCenter);
    layout->addWidget(heading);

    layout->addSpacing(4);
    m_subtitle = WelcomePoint::secondaryLabel(keepLastWordsTogether(PlatformTexts::welcomeSubtitle()), this);
    m_subtitle->setAlignment(Qt::AlignHCenter);
    layout->addWidget(m_subtitle);
    m_desktopNotice = new Notice(this);
    layout->addWidget(m_desktopNotice);

    layout->addSpacing(26);
    auto* points = new QVBoxLayout;
    points->setSpacing(20);
    m_points.append(new WelcomePoint(WelcomeSymbols::Symbol::tray, tr("It lives in your menu bar"),
                                     tr("Click the ring at the top of your screen to see today."), this));
    m_points.append(new WelcomePoint(WelcomeSymbols::Symbol::globe, tr("Websites count on their own"),
                                     PlatformTexts::welcomeSiteDetection(), this));
    m_points.append(new WelcomePoint(WelcomeSymbols::Symbol::lock, PlatformTexts::welcomePrivacyTitle(),
                                     PlatformTexts::welcomePrivacyText(), this));
    addBrowserList(m_points[1], icons);
    for (WelcomePoint* point : std::as_const(m_points))
        points->addWidget(point);
    layout->addLayout(points);

    layout->addSpacing(26);
    m_loginToggle = new QCheckBox(tr("Open Horavane when I log in"), this);
    m_loginToggle->setChecked(true); // a new user starts with it on
    layout->addWidget(m_loginToggle, 0, Qt::AlignHCenter);

    layout->addSpacing(14);
    m_getStarted = new QPushButton(tr("Get Started"), this);
    m_getStarted->setDefault(true);
    m_getStarted->setFont(Theme::font(TextStyle::title3, QFont::DemiBold));
    m_getStarted->setMinimumHeight(40);
    m_getStarted->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    paintProminent();
    FocusRing::install(m_getStarted); // the style's own ring would be lost on the accent colour
    layout->addWidget(m_getStarted);
    connect(m_getStarted, &QPushButton::clicked, this, &WelcomeView::finish);

    m_refresh.setInterval(refreshInterval);
    connect(&m_refresh, &QTimer::timeout, this, &WelcomeView::refreshBrowsers);
    refreshBrowsers();
    fitToContent();
}

void WelcomeView::addBrowserList(WelcomePoint* point, Icons& icons)
{
    const int below = 6 - point->textColumn()->spacing(); // the column already puts its spacing between

    m_browserBox = new QWidget(point);
    auto* box = new QVBoxLayout(m_browserBox);
    box->setContentsMargins(0, below, 0, 0);
    box->setSpacing(0);
    m_browsers = new BrowserList(icons, m_browserBox);
    box->addWidget(m_browsers);
    point->textColumn()->addWidget(m_browserBox);
    connect(m_browsers, &BrowserList::allowRequested, this, &WelcomeView::requestAccess);
    connect(m_browsers, &BrowserList::settingsRequested, this, &WelcomeView::openSettings);

    m_firefox = WelcomePoint::secondaryLabel(PlatformTexts::welcomeFirefox(), point);
    m_firefox->setFont(Theme::font(TextStyle::callout));
    m_firefox->setContentsMargins(0, below, 0, 0);
    point->textColumn()->addWidget(m_firefox);
}

void WelcomeView::setDesktopNotice(const QString& text, const QString& buttonTitle)
{
    m_desktopNotice->setNotice(text, buttonTitle);
    fitToContent();
}

void WelcomeView::fitToContent()
{
    // Wrapped texts need the height they take at the fixed width, which a size hint does not tell; the
    // layouts are told first that the list has changed, since they learn it only on their next pass.
    for (WelcomePoint* point : std::as_const(m_points)) {
        point->layout()->invalidate();
        point->updateGeometry();
    }
    setFixedHeight(heightForWidth(fixedWidth));
    if (isVisible() && !isWindow())
        window()->adjustSize(); // the window fits its content as browsers come and go
}

bool WelcomeView::opensAtLogin() const
{
    return m_loginToggle->isChecked();
}

void WelcomeView::refreshBrowsers()
{
    const BrowserProbe* probe = m_tracker.probe();
    // Without a probe no browser can be asked, so there is nothing to allow.
    const QList<RunningApp> browsers =
        probe && m_runningApplications ? BrowserList::browsers(m_runningApplications()) : QList<RunningApp>();
    QList<BrowserList::Entry> entries;
    entries.reserve(browsers.size());
    for (const RunningApp& app : browsers)
        entries.append(BrowserList::Entry{app, probe->access(app.desktopId)});

    const bool firefox = std::any_of(browsers.cbegin(), browsers.cend(), [](const RunningApp& app) {
        return BrowserList::permission(app) == BrowserPermission::accessibility;
    });
    const bool rowsChanged = m_browsers->setEntries(entries);
    const bool firefoxChanged = m_firefox->isHidden() == firefox;
    m_browserBox->setHidden(entries.isEmpty());
    m_firefox->setHidden(!firefox);
    if (rowsChanged || firefoxChanged)
        fitToContent();
}

void WelcomeView::finish()
{
    m_settings.setHasSeenWelcome(true);
    const bool on = m_loginToggle->isChecked();
    if (const std::optional<QString> failure = on ? m_loginItem.enable() : m_loginItem.disable()) {
        // The window closes anyway; should it be shown again, the toggle tells the truth.
        m_loginToggle->setChecked(m_loginItem.isEnabled());
    }
    emit finished();
}

void WelcomeView::requestAccess(const RunningApp& app)
{
    // Every browser is read through the session's accessibility: while it is off, allowing one asks to
    // switch it on (and, for a Chromium-family browser, to start it with renderer accessibility).
    const std::optional<BrowserPermission> permission = BrowserList::permission(app);
    if (permission && !m_accessibility.isEnabled())
        BrowserPermissions::request(*permission, m_accessibility, m_settings);
    m_tracker.requestBrowserAccess(app);
    refreshBrowsers(); // "Waiting for your answer…" at once rather than at the next second
}

void WelcomeView::openSettings(const RunningApp& app)
{
    if (const std::optional<BrowserPermission> permission = BrowserList::permission(app))
        BrowserPermissions::request(*permission, m_accessibility, m_settings);
    refreshBrowsers();
}

void WelcomeView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A new user starts with the toggle on; one who has been here sees how things really are.
    m_loginToggle->setChecked(!m_settings.hasSeenWelcome() || m_loginItem.isEnabled());
    refreshBrowsers();
    m_refresh.start();
    m_getStarted->setFocus(); // Return runs "Get Started" from the start
}

void WelcomeView::hideEvent(QHideEvent* event)
{
    m_refresh.stop();
    QWidget::hideEvent(event);
}

void WelcomeView::keyPressEvent(QKeyEvent* event)
{
    // Keys the focused control leaves alone arrive here: Return is the window's default action, unless a button
    // has the focus, which the window presses instead.
    const bool onButton = qobject_cast<QPushButton*>(focusWidget()) != nullptr;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !onButton) {
        finish();
        return;
    }
    QWidget::keyPressEvent(event);
}

void WelcomeView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        paintIcon();
        paintProminent();
        WelcomePoint::applySecondary(m_subtitle, palette());
        WelcomePoint::applySecondary(m_firefox, palette());
    }
    QWidget::changeEvent(event);
}

void WelcomeView::paintIcon()
{
    const QIcon own = QApplication::windowIcon();
    const qreal ratio = devicePixelRatioF();
    if (!own.isNull()) {
        m_icon->setPixmap(own.pixmap(QSize(int(iconSide), int(iconSide)), ratio));
        return;
    }
    m_icon->setPixmap(WelcomeSymbols::appIcon(iconSide, palette().color(QPalette::Highlight), ratio));
}

void WelcomeView::paintProminent()
{
    // The one action of the window stands out in the accent colour, darkened where its title would not read.
    QPalette prominent = m_getStarted->palette();
    prominent.setColor(QPalette::Button, Theme::readableBackground(palette().color(QPalette::Highlight),
                                                                   palette().color(QPalette::HighlightedText)));
    prominent.setColor(QPalette::ButtonText, palette().color(QPalette::HighlightedText));
    m_getStarted->setPalette(prominent);
}
