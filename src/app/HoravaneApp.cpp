// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoravaneApp.h"

#include "AppPresence.h"
#include "BreakReminder.h"
#include "DataTab.h"
#include "DesktopComposition.h"
#include "DesktopNotifier.h"
#include "DesktopPanelTone.h"
#include "GeneralTab.h"
#include "GnomeExtension.h"
#include "GnomeShellWorkspace.h"
#include "HistoryView.h"
#include "KWinPopupPlacement.h"
#include "LimitWatch.h"
#include "LinuxPlatform.h"
#include "Notice.h"
#include "OtherComputersToday.h"
#include "PopoverView.h"
#include "PopupWindow.h"
#include "Settings.h"
#include "SettingsView.h"
#include "StatusNotifierItem.h"
#include "SwayPopupPlacement.h"
#include "TrayIcon.h"
#include "TrayItem.h"
#include "WelcomeView.h"
#include "WindowAccessibility.h"
#include "WindowKeys.h"
#include "WindowVisibilityReader.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// Counts a window for the program's presence while it is shown.
class PresenceWatcher final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            AppPresence::windowAppeared();
        else if (event->type() == QEvent::Hide)
            AppPresence::windowDisappeared();
        return QObject::eventFilter(watched, event);
    }
};

// Questions and messages name programs as they call themselves: shown as written, never as markup.
bool askUser(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Horavane"), question,
                    QMessageBox::Yes | QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

// The resting ring, in a grey that reads on light and dark notices alike.
DesktopNotifier::Icon noticeIcon()
{
    constexpr int pixels = 64;
    QImage ring = TrayIcon::image({}, 0, pixels / TrayIcon::side);
    ring.setDevicePixelRatio(1);
    QPainter painter(&ring);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(ring.rect(), QColor(0x80, 0x80, 0x80));
    painter.end();
    const QImage rgba = ring.convertToFormat(QImage::Format_RGBA8888);
    QByteArray bytes;
    for (int y = 0; y < rgba.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    return {rgba.width(), rgba.height(), bytes};
}

void tellUser(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Horavane"), message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

const QString HoravaneApp::busName = QStringLiteral("app.corvani.Horavane");

HoravaneApp::HoravaneApp(LinuxPlatform& desktop, Settings& settings, QObject* parent)
    : QObject(parent), m_desktop(desktop), m_settings(settings),
      m_backup(settings, desktop.places(), *desktop.platform().clock), m_otherComputers(settings),
      m_tracker(Tracker::Sampling::live, desktop.platform(), settings),
      m_backupController(m_tracker, settings, m_backup, desktop.places()), m_icons(m_appIcons, desktop.places())
{
    WindowAccessibility::install();
    m_tracker.keepOpening(HistoryFile(desktop.places().databasePath(), *desktop.platform().clock));
    if (m_tracker.keepsTimeInMemoryOnly())
        qWarning().noquote() << "Cannot open" << desktop.places().databasePath()
                             << "yet - time is kept in memory until it opens";
    m_backup.runIfDue(m_tracker.store());
    connect(&m_tracker, &Tracker::flushed, &m_backup, [this] { m_backup.runIfDue(m_tracker.store()); });
    m_browserAccess = std::make_unique<BrowserAccess>(
        *desktop.platform().accessibility, RendererAccessibility::fromEnvironment(),
        [this]() -> std::optional<BrowserAccess::Browser> {
            const auto& blocked = m_tracker.blockedBrowser();
            return blocked ? std::optional(BrowserAccess::Browser{blocked->id, blocked->name}) : std::nullopt;
        },
        askUser, tellUser);
    if (GnomeShellWorkspace* shell = desktop.gnomeShell()) {
        const QDBusConnection bus = QDBusConnection::sessionBus();
        m_gnomeGuide = std::make_unique<GnomeGuide>(
            *shell, bus, [bus] { return GnomeExtension::status(bus); },
            [bus] { return GnomeExtension::enable(bus, GnomeExtension::Reinstall::whenMissingOrOutOfDate); }, askUser,
            tellUser);
        connect(m_gnomeGuide.get(), &GnomeGuide::changed, this, &HoravaneApp::showDesktopNotice);
        connect(shell, &GnomeShellWorkspace::extensionAnswersChanged, this, [](bool answers) {
            qInfo() << (answers ? "Horavane's GNOME Shell extension answers: recording"
                                : "Horavane's GNOME Shell extension left: nothing is in front");
        });
    }
    // A status item for whichever panel hosts them, now or later (with the time as its label); an XEmbed
    // tray icon while none does.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        m_statusItem =
            std::make_unique<StatusNotifierItem>(bus, QStringLiteral("Horavane"), QStringLiteral("Horavane"));
    m_panelTone = std::make_unique<DesktopPanelTone>(bus);
    m_tray = std::make_unique<TrayItem>(m_tracker, m_settings, m_statusItem.get(), m_panelTone.get());
    connect(m_tray.get(), &TrayItem::clicked, this, &HoravaneApp::showPopover);
    connect(m_tray.get(), &TrayItem::historyRequested, this, &HoravaneApp::showHistory);
    connect(m_tray.get(), &TrayItem::settingsRequested, this, &HoravaneApp::showSettings);
    connect(m_tray.get(), &TrayItem::quitRequested, qApp, &QApplication::quit);
    if (bus.registerObject(QStringLiteral("/app/corvani/Horavane"), this, QDBusConnection::ExportScriptableSlots))
        bus.registerService(busName);
    if (bus.isConnected())
        startNotices(bus);
    if (!m_settings.hasSeenWelcome())
        showWelcome();
}

HoravaneApp::~HoravaneApp() = default;

void HoravaneApp::startNotices(QDBusConnection bus)
{
    m_notifier = std::make_unique<DesktopNotifier>(bus, noticeIcon(), busName);
    connect(m_notifier.get(), &Notifier::actionChosen, this, &HoravaneApp::showToday);
    m_limitWatch = std::make_unique<LimitWatch>(m_tracker, m_settings, *m_notifier);
    m_breakReminder =
        std::make_unique<BreakReminder>(m_tracker, *m_desktop.platform().session, m_settings, *m_notifier);
    m_otherComputersToday = std::make_unique<OtherComputersToday>(m_settings, *m_desktop.platform().clock);
    connect(m_otherComputersToday.get(), &OtherComputersToday::read, m_limitWatch.get(),
            &LimitWatch::setOtherComputers);
    m_otherComputersToday->start();
}

void HoravaneApp::showPopover(const QRect& anchor)
{
    makePopover();
    m_popup->toggle(anchor);
}

void HoravaneApp::showToday()
{
    makePopover();
    if (!m_popup->isVisible())
        m_popup->popUp(QRect()); // at the top right of the screen
}

void HoravaneApp::makePopover()
{
    if (!m_popup) {
        m_popover = new PopoverView(m_tracker, m_icons, m_settings, m_updates, *m_browserAccess);
        m_popover->setOpensAtLogin(m_loginItem.isEnabled());
        if (m_gnomeGuide)
            connect(m_popover->desktopNotice(), &Notice::buttonClicked, m_gnomeGuide.get(),
                    &GnomeGuide::enableRequested);
        auto* visibility = new WindowVisibilityReader(m_popover);
        connect(visibility, &WindowVisibilityReader::changed, m_popover, &PopoverView::setShown);
        connect(m_popover, &PopoverView::historyRequested, this, &HoravaneApp::showHistory);
        connect(m_popover, &PopoverView::settingsRequested, this, &HoravaneApp::showSettings);
        connect(m_popover, &PopoverView::quitRequested, qApp, &QApplication::quit);
        connect(m_popover, &PopoverView::openAtLoginToggled, this, [this](bool on) {
            if (on ? m_loginItem.enable() : m_loginItem.disable())
                m_popover->setOpensAtLogin(m_loginItem.isEnabled()); // show the real state
        });
        m_popup = std::make_unique<PopupWindow>(m_popover, &DesktopComposition::active);
        //: The title of the small window that opens from the tray, in task lists and for screen readers.
        m_popup->setWindowTitle(tr("Horavane — Today"));
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            placePopupByCompositor();
        showDesktopNotice();
    }
}

void HoravaneApp::placePopupByCompositor()
{
    const auto position = [this] { return m_popup->intendedPosition(); };
    m_popupPlacement = KWinPopupPlacement::create(QDBusConnection::sessionBus(), m_popup->windowTitle(), position);
    if (m_popupPlacement)
        return;
    auto sway = SwayPopupPlacement::create(m_popup->windowTitle(), position);
    if (!sway)
        return;
    connect(m_popup.get(), &PopupWindow::intendedPositionChanged, sway.get(), &SwayPopupPlacement::place);
    m_popupPlacement = std::move(sway);
}

QWidget* HoravaneApp::window(std::unique_ptr<QWidget>& slot, const QString& title, QWidget* content, const QSize& size)
{
    slot = std::make_unique<QWidget>();
    slot->setWindowTitle(title);
    auto* layout = new QVBoxLayout(slot.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    if (size.isValid())
        slot->resize(size);
    slot->installEventFilter(new PresenceWatcher(slot.get()));
    WindowKeys::install(slot.get());
    return slot.get();
}

void HoravaneApp::showHistory()
{
    if (m_popup)
        m_popup->hide();
    if (!m_history) {
        auto* view = new HistoryView(m_tracker, m_icons, m_settings, Period::week);
        view->setOtherComputers(&m_otherComputers);
        auto* visibility = new WindowVisibilityReader(view);
        connect(visibility, &WindowVisibilityReader::changed, view, &HistoryView::setShown);
        window(m_history, QStringLiteral("Horavane"), view, QSize(680, 600));
        m_history->setAccessibleName(tr("Horavane — History")); // its title alone does not say which
    }
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

void HoravaneApp::showWelcome()
{
    if (m_popup)
        m_popup->hide();
    if (!m_welcome) {
        auto* view = new WelcomeView(m_tracker, m_icons, m_settings, *m_browserAccess, m_loginItem,
                                     [this] { return m_desktop.platform().workspace->runningApplications(); });
        m_welcomeView = view;
        if (m_gnomeGuide)
            connect(view->desktopNotice(), &Notice::buttonClicked, m_gnomeGuide.get(), &GnomeGuide::enableRequested);
        window(m_welcome, tr("Welcome to Horavane"), view, QSize());
        showDesktopNotice();
        m_welcome->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint); // sized to its content
        m_welcome->layout()->setSizeConstraint(QLayout::SetFixedSize);
        connect(view, &WelcomeView::finished, m_welcome.get(), &QWidget::close);
    }
    m_welcome->show();
    m_welcome->raise();
    m_welcome->activateWindow();
}

void HoravaneApp::showSettings()
{
    if (m_popup)
        m_popup->hide();
    if (!m_settingsWindow) {
        auto* view = new SettingsView(m_tracker, m_icons, m_settings, m_updates, m_backupController, m_loginItem,
                                      m_desktop.places());
        connect(view->dataTab(), &DataTab::welcomeRequested, this, &HoravaneApp::showWelcome);
        view->generalTab()->setPanelDrawsTime(panelDrawsTime());
        window(m_settingsWindow, tr("Horavane Settings"), view, QSize());
    }
    m_settingsWindow->show();
    m_settingsWindow->raise();
    m_settingsWindow->activateWindow();
}

bool HoravaneApp::panelDrawsTime() const
{
    // Of the hosts of status items, only GNOME Shell's draws their text beside the icon; Plasma's and Xfce's
    // show it in no way but the tooltip, and a plain tray icon has no text at all.
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper().split(u':');
    return m_statusItem && (desktops.contains(QStringLiteral("GNOME")) || desktops.contains(QStringLiteral("UNITY")));
}

void HoravaneApp::showDesktopNotice()
{
    const GnomeGuide::Notice notice =
        m_gnomeGuide ? m_gnomeGuide->notice() : GnomeGuide::Notice{m_desktop.unsupportedDesktopNotice(), QString()};
    if (m_popover)
        m_popover->setDesktopNotice(notice.text, notice.button);
    if (m_welcomeView)
        m_welcomeView->setDesktopNotice(notice.text, notice.button);
}
