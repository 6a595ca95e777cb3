// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoravaneApp.h"

#include "BrowserAccess.h"
#include "GnomeExtension.h"
#include "GnomeGuide.h"
#include "GnomeShellWorkspace.h"
#include "HoravaneWindows.h"
#include "LinuxPlatform.h"
#include "Notices.h"
#include "PanelTone.h"
#include "PopupPlacement.h"
#include "RendererAccessibility.h"
#include "RunningInstance.h"
#include "Settings.h"
#include "StatusNotifierItem.h"
#include "TrayItem.h"
#include "WindowAccessibility.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QDBusConnection>
#include <QMessageBox>

namespace {

// Questions and messages name programs as they call themselves: shown as written, never as markup.
bool askUser(const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Horavane"), question,
                    QMessageBox::Yes | QMessageBox::Cancel);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void tellUser(const QString& message)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Horavane"), message, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

HoravaneApp::HoravaneApp(LinuxPlatform& desktop, Settings& settings, QObject* parent)
    : QObject(parent), m_desktop(desktop), m_backup(settings, desktop.places(), *desktop.platform().clock),
      m_otherComputers(settings), m_tracker(Tracker::Sampling::live, desktop.platform(), settings),
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

    // A status item for whichever panel hosts them, now or later (with the time as its label); an XEmbed
    // tray icon while none does.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        m_statusItem =
            std::make_unique<StatusNotifierItem>(bus, QStringLiteral("Horavane"), QStringLiteral("Horavane"));
    m_panelTone = desktop.choosePanelTone();
    m_tray = std::make_unique<TrayItem>(m_tracker, settings, m_statusItem.get(), m_panelTone.get());

    m_windows = std::make_unique<HoravaneWindows>(HoravaneWindows::Parts{
        m_tracker, m_icons, settings, m_updates, m_backupController, m_loginItem, *m_browserAccess, m_otherComputers,
        desktop.places(), [&desktop] { return desktop.platform().workspace->runningApplications(); },
        m_statusItem && desktop.panelDrawsItemText()});
    m_popoverPlacement = desktop.choosePopoverPlacement(HoravaneWindows::popoverTitle(),
                                                        [this] { return m_windows->popoverPosition(); });
    m_windows->setPopoverPlacement(m_popoverPlacement.get());
    connect(m_tray.get(), &TrayItem::clicked, m_windows.get(), &HoravaneWindows::togglePopover);
    connect(m_tray.get(), &TrayItem::historyRequested, m_windows.get(), &HoravaneWindows::showHistory);
    connect(m_tray.get(), &TrayItem::settingsRequested, m_windows.get(), &HoravaneWindows::showSettings);
    connect(m_tray.get(), &TrayItem::quitRequested, qApp, &QApplication::quit);

    if (GnomeShellWorkspace* shell = desktop.gnomeShell()) {
        m_gnomeGuide = std::make_unique<GnomeGuide>(
            *shell, bus, [bus] { return GnomeExtension::status(bus); },
            [bus] { return GnomeExtension::enable(bus, GnomeExtension::Reinstall::whenMissingOrOutOfDate); }, askUser,
            tellUser);
        connect(m_gnomeGuide.get(), &GnomeGuide::changed, this, &HoravaneApp::showDesktopNotice);
        connect(m_windows.get(), &HoravaneWindows::desktopNoticeButtonClicked, m_gnomeGuide.get(),
                &GnomeGuide::enableRequested);
        connect(shell, &GnomeShellWorkspace::extensionAnswersChanged, this, [](bool answers) {
            qInfo() << (answers ? "Horavane's GNOME Shell extension answers: recording"
                                : "Horavane's GNOME Shell extension left: nothing is in front");
        });
    }
    showDesktopNotice();

    m_instance = std::make_unique<RunningInstance>(bus);
    connect(m_instance.get(), &RunningInstance::historyRequested, m_windows.get(), &HoravaneWindows::showHistory);
    if (bus.isConnected()) {
        m_notices =
            std::make_unique<Notices>(bus, m_tracker, *desktop.platform().session, settings, *desktop.platform().clock);
        connect(m_notices.get(), &Notices::showTodayRequested, m_windows.get(), &HoravaneWindows::showToday);
    }
    if (!settings.hasSeenWelcome())
        m_windows->showWelcome();
}

HoravaneApp::~HoravaneApp() = default;

void HoravaneApp::showHistory()
{
    m_windows->showHistory();
}

void HoravaneApp::showDesktopNotice()
{
    const GnomeGuide::Notice notice =
        m_gnomeGuide ? m_gnomeGuide->notice() : GnomeGuide::Notice{m_desktop.unsupportedDesktopNotice(), QString()};
    m_windows->setDesktopNotice(notice.text, notice.button);
}
