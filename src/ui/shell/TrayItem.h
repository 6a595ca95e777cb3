#pragma once

#include "MenuBarIcon.h"

#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>

class Settings;
class Tracker;

// Today's ring in the system tray, with today's time beside it when the user wants it. A click asks
// for the popover; the image is redrawn only when what it shows changes.
class TrayItem : public QObject
{
    Q_OBJECT
public:
    TrayItem(const Tracker& tracker, const Settings& settings, QObject* parent = nullptr);

    // Where the item is on screen; empty when the tray does not say.
    QRect geometry() const { return m_icon.geometry(); }
    // The image shown now, at the screen's pixel ratio.
    const QImage& image() const { return m_image; }
    QString toolTip() const { return m_icon.toolTip(); }

signals:
    void clicked(const QRect& anchor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();

    const Tracker& m_tracker;
    const Settings& m_settings;
    QSystemTrayIcon m_icon;
    QImage m_image;
    MenuBarIcon::ImageCache m_ringCache;
};
