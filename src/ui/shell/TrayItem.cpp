#include "TrayItem.h"

#include "MenuBarLabel.h"
#include "Settings.h"
#include "Tracker.h"

#include <QEvent>
#include <QGuiApplication>

namespace {

// Panels follow the desktop's colours: a dark window colour means a dark panel.
Appearance panelAppearance()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? Appearance::dark
                                                                                 : Appearance::light;
}

} // namespace

TrayItem::TrayItem(const Tracker& tracker, const Settings& settings, QObject* parent)
    : QObject(parent), m_tracker(tracker), m_settings(settings)
{
    connect(&tracker, &Tracker::glanceChanged, this, &TrayItem::redraw);
    connect(&settings, &Settings::showsTimeInMenuBarChanged, this, &TrayItem::redraw);
    connect(&settings, &Settings::chartColorsChanged, this, &TrayItem::redraw);
    qGuiApp->installEventFilter(this); // the panel's colours follow the desktop's palette
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit clicked(m_icon.geometry());
    });
    redraw();
    m_icon.show();
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
    m_image =
        MenuBarLabel::image(glance, m_settings.showsTimeInMenuBar(), m_settings.chartColors(),
                            MenuBarLabel::textColor(panelAppearance()), qGuiApp->devicePixelRatio(), &m_ringCache);
    m_icon.setIcon(QIcon(QPixmap::fromImage(m_image)));
    m_icon.setToolTip(MenuBarLabel::toolTip(glance));
}
