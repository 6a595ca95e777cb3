// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayItem.h"

#include "CommandTitles.h"
#include "DurationText.h"
#include "PanelAppearance.h"
#include "PanelTone.h"
#include "Settings.h"
#include "StatusItem.h"
#include "Tracker.h"
#include "TrayIcon.h"
#include "TrayLabel.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QtEndian>

namespace {

// A picture as the panel's item interface carries it: ARGB32, each pixel in network byte order.
StatusItem::Pixmap pixmapOf(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    StatusItem::Pixmap pixmap{argb.width(), argb.height(), QByteArray(argb.width() * argb.height() * 4, '\0')};
    auto* out = reinterpret_cast<uchar*>(pixmap.argb.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x, out += 4)
            qToBigEndian<quint32>(row[x], out);
    }
    return pixmap;
}

} // namespace

TrayItem::TrayItem(const Tracker& tracker, const Settings& settings, StatusItem* item, const PanelTone* panel,
                   QObject* parent)
    : QObject(parent), m_tracker(tracker), m_settings(settings), m_item(item), m_panel(panel),
      m_menu(std::make_unique<QMenu>())
{
    if (m_panel)
        connect(m_panel, &PanelTone::changed, this, &TrayItem::redraw);
    connect(&tracker, &Tracker::glanceChanged, this, &TrayItem::redraw);
    connect(&settings, &Settings::chartColorsChanged, this, &TrayItem::redraw);
    connect(&settings, &Settings::showsTimeInTrayChanged, this, &TrayItem::redraw);
    qGuiApp->installEventFilter(this); // the panel's colours follow the desktop's palette
    connect(m_menu->addAction(CommandTitles::showHistory()), &QAction::triggered, this, &TrayItem::historyRequested);
    connect(m_menu->addAction(CommandTitles::settings()), &QAction::triggered, this, &TrayItem::settingsRequested);
    m_menu->addSeparator();
    connect(m_menu->addAction(CommandTitles::quit()), &QAction::triggered, this, &TrayItem::quitRequested);
    if (m_item) {
        QStringList titles;
        for (const QAction* action : m_menu->actions())
            titles.append(action->isSeparator() ? QString() : action->text());
        m_item->setMenu(titles);
        connect(m_item, &StatusItem::menuChosen, this, [this](int index) {
            if (index >= 0 && index < m_menu->actions().size())
                m_menu->actions().at(index)->trigger();
        });
        connect(m_item, &StatusItem::activated, this,
                [this](const QPoint& at) { emit clicked(at.isNull() ? QRect() : QRect(at, QSize(1, 1))); });
        connect(m_item, &StatusItem::hostChanged, this, [this] {
            chooseFallback();
            redraw(); // another panel, perhaps of another colour
        });
    }
    redraw();
    chooseFallback();
}

TrayItem::~TrayItem() = default;

QRect TrayItem::geometry() const
{
    return m_icon ? m_icon->geometry() : QRect();
}

void TrayItem::chooseFallback()
{
    const bool shown = m_item && m_item->isShown();
    // Qt's tray icon is XEmbed only while no watcher runs; on Wayland there is no XEmbed at all.
    const bool fallback = !shown && QGuiApplication::platformName() == QLatin1String("xcb");
    if (!fallback) {
        m_icon.reset();
    } else if (!m_icon) {
        m_icon = std::make_unique<QSystemTrayIcon>();
        m_icon->setContextMenu(m_menu.get());
        connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                emit clicked(m_icon->geometry());
        });
        m_icon->setIcon(m_rings);
        m_icon->setToolTip(m_toolTip);
        m_icon->show();
    }
    if (!shown && !(m_icon && QSystemTrayIcon::isSystemTrayAvailable()) && !m_saidNoTray) {
        m_saidNoTray = true;
        qInfo() << "No panel shows a tray item yet: Horavane keeps recording; open its history with"
                   " \"horavane --history\" or \"Show History\" in its desktop entry's menu";
    }
}

bool TrayItem::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        redraw();
    return QObject::eventFilter(watched, event);
}

void TrayItem::redraw()
{
    const Glance& glance = m_tracker.glance();
    // Our own top-bar button sits on GNOME's dark bar, whatever the desktop's settings say.
    const bool hostIsDark = m_item && m_item->panelIsDark();
    const PanelAppearance::Panel panel = PanelAppearance::of(
        hostIsDark ? std::optional(true) : (m_panel ? m_panel->isDark() : std::nullopt), QGuiApplication::palette());
    const QColor ink = PanelAppearance::ink(panel);
    const QColor halo = PanelAppearance::halo(panel);
    // The ring drawn anew at each size a tray asks for, rather than one image scaled into its slot. The
    // time is text beside it where the panel draws a label, and in the tooltip everywhere; never squeezed
    // into the icon.
    m_rings = QIcon();
    QList<StatusItem::Pixmap> pixmaps;
    for (const int pixels : sizes) {
        QImage image =
            TrayLabel::image(glance, false, m_settings.chartColors(), ink, pixels / TrayIcon::side, nullptr, halo);
        image.setDevicePixelRatio(1);
        m_rings.addPixmap(QPixmap::fromImage(image));
        pixmaps.append(pixmapOf(image));
    }
    m_image =
        TrayLabel::image(glance, false, m_settings.chartColors(), ink, qGuiApp->devicePixelRatio(), &m_ringCache, halo);
    m_toolTip = TrayLabel::toolTip(glance);
    m_label = m_settings.showsTimeInTray() ? DurationText::string(double(glance.minutes) * 60) : QString();
    if (m_item) {
        m_item->setIcons(pixmaps);
        m_item->setLabel(m_label);
        m_item->setToolTip(m_toolTip, QString()); // the title: hosts without a label show only the tooltip
    }
    if (m_icon) {
        m_icon->setIcon(m_rings);
        m_icon->setToolTip(m_toolTip);
    }
}
