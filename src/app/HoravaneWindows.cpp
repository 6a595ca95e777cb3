// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HoravaneWindows.h"

#include "AppPresence.h"
#include "BrowserAccess.h"
#include "DataTab.h"
#include "DesktopComposition.h"
#include "GeneralTab.h"
#include "HistoryView.h"
#include "Notice.h"
#include "PopoverView.h"
#include "PopupPlacement.h"
#include "PopupWindow.h"
#include "SettingsView.h"
#include "WelcomeView.h"
#include "WindowKeys.h"
#include "WindowVisibilityReader.h"
#include "XdgAutostart.h"
#include "XdgPlaces.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
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

} // namespace

HoravaneWindows::HoravaneWindows(Parts parts, QObject* parent) : QObject(parent), m_parts(std::move(parts)) {}

HoravaneWindows::~HoravaneWindows() = default;

QString HoravaneWindows::popoverTitle()
{
    //: The title of the small window that opens from the tray, in task lists and for screen readers.
    return tr("Horavane — Today");
}

QPoint HoravaneWindows::popoverPosition() const
{
    return m_popup ? m_popup->intendedPosition() : QPoint();
}

void HoravaneWindows::setDesktopNotice(const QString& text, const QString& button)
{
    m_noticeText = text;
    m_noticeButton = button;
    if (m_popover)
        m_popover->setDesktopNotice(text, button);
    if (m_welcomeView)
        m_welcomeView->setDesktopNotice(text, button);
}

void HoravaneWindows::togglePopover(const QRect& anchor)
{
    makePopover();
    m_popup->toggle(anchor);
}

void HoravaneWindows::showToday()
{
    makePopover();
    if (!m_popup->isVisible())
        m_popup->popUp(QRect()); // at the top right of the screen
}

void HoravaneWindows::makePopover()
{
    if (m_popup)
        return;
    Parts& p = m_parts;
    m_popover = new PopoverView(p.tracker, p.icons, p.settings, p.updates, p.browserAccess);
    m_popover->setOpensAtLogin(p.loginItem.isEnabled());
    m_popover->setDesktopNotice(m_noticeText, m_noticeButton);
    connect(m_popover->desktopNotice(), &Notice::buttonClicked, this, &HoravaneWindows::desktopNoticeButtonClicked);
    auto* visibility = new WindowVisibilityReader(m_popover);
    connect(visibility, &WindowVisibilityReader::changed, m_popover, &PopoverView::setShown);
    connect(m_popover, &PopoverView::historyRequested, this, &HoravaneWindows::showHistory);
    connect(m_popover, &PopoverView::settingsRequested, this, &HoravaneWindows::showSettings);
    connect(m_popover, &PopoverView::quitRequested, qApp, &QApplication::quit);
    connect(m_popover, &PopoverView::openAtLoginToggled, this, [this](bool on) {
        XdgAutostart& loginItem = m_parts.loginItem;
        if (on ? loginItem.enable() : loginItem.disable())
            m_popover->setOpensAtLogin(loginItem.isEnabled()); // show the real state
    });
    m_popup = std::make_unique<PopupWindow>(m_popover, &DesktopComposition::active);
    m_popup->setWindowTitle(popoverTitle());
    if (m_placement)
        connect(m_popup.get(), &PopupWindow::intendedPositionChanged, m_placement, &PopupPlacement::place);
}

QWidget* HoravaneWindows::window(std::unique_ptr<QWidget>& slot, const QString& title, QWidget* content,
                                 const QSize& size)
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

void HoravaneWindows::bringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void HoravaneWindows::showHistory()
{
    if (m_popup)
        m_popup->hide();
    if (!m_history) {
        Parts& p = m_parts;
        auto* view = new HistoryView(p.tracker, p.icons, p.settings, Period::week);
        view->setOtherComputers(&p.otherComputers);
        auto* visibility = new WindowVisibilityReader(view);
        connect(visibility, &WindowVisibilityReader::changed, view, &HistoryView::setShown);
        window(m_history, QStringLiteral("Horavane"), view, QSize(680, 600));
        m_history->setAccessibleName(tr("Horavane — History")); // its title alone does not say which
    }
    bringUp(m_history.get());
}

void HoravaneWindows::showWelcome()
{
    if (m_popup)
        m_popup->hide();
    if (!m_welcome) {
        Parts& p = m_parts;
        auto* view =
            new WelcomeView(p.tracker, p.icons, p.settings, p.browserAccess, p.loginItem, p.runningApplications);
        m_welcomeView = view;
        view->setDesktopNotice(m_noticeText, m_noticeButton);
        connect(view->desktopNotice(), &Notice::buttonClicked, this, &HoravaneWindows::desktopNoticeButtonClicked);
        window(m_welcome, tr("Welcome to Horavane"), view, QSize());
        m_welcome->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint); // sized to its content
        m_welcome->layout()->setSizeConstraint(QLayout::SetFixedSize);
        connect(view, &WelcomeView::finished, m_welcome.get(), &QWidget::close);
    }
    bringUp(m_welcome.get());
}

void HoravaneWindows::showSettings()
{
    if (m_popup)
        m_popup->hide();
    if (!m_settingsWindow) {
        Parts& p = m_parts;
        auto* view =
            new SettingsView(p.tracker, p.icons, p.settings, p.updates, p.backupController, p.loginItem, p.places);
        connect(view->dataTab(), &DataTab::welcomeRequested, this, &HoravaneWindows::showWelcome);
        view->generalTab()->setPanelDrawsTime(p.panelDrawsTime);
        window(m_settingsWindow, tr("Horavane Settings"), view, QSize());
    }
    bringUp(m_settingsWindow.get());
}
