#pragma once

#include "StatusItem.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <memory>

class QDBusServiceWatcher;

// The tray item as a StatusNotifierItem over D-Bus, as Plasma, the AppIndicator extension of GNOME,
// Xfce's and most other panels show it: icons at every size for the panel to choose from, and the label
// beside them that AppIndicator hosts draw (XAyatanaLabel). Registers again when the watcher restarts.
class StatusNotifierItem final : public StatusItem
{
    Q_OBJECT
public:
    // The item, registered with the session's StatusNotifierWatcher; none when no watcher runs or no
    // panel hosts items, so the caller falls back to an XEmbed tray icon.
    static std::unique_ptr<StatusNotifierItem> create(const QDBusConnection& bus, const QString& id,
                                                      const QString& title);
    ~StatusNotifierItem() override;

    void setIcons(const QList<Pixmap>& pixmaps) override;
    void setLabel(const QString& label) override;
    void setToolTip(const QString& title, const QString& text) override;

    // The D-Bus name the item is known by.
    QString serviceName() const { return m_service; }

    // What the interface's properties read.
    QString id() const { return m_id; }
    QString title() const { return m_title; }
    const QList<Pixmap>& icons() const { return m_icons; }
    const QString& label() const { return m_label; }
    const QString& toolTipTitle() const { return m_toolTipTitle; }
    const QString& toolTipText() const { return m_toolTipText; }

    // Called by the interface.
    void activate(int x, int y);

signals:
    void iconsChanged();
    void labelChanged(const QString& label);
    void toolTipChanged();

private:
    StatusNotifierItem(const QDBusConnection& bus, QString id, QString title);
    bool registerWithWatcher();

    QDBusConnection m_bus;
    QString m_service;
    QString m_id;
    QString m_title;
    QList<Pixmap> m_icons;
    QString m_label;
    QString m_toolTipTitle;
    QString m_toolTipText;
    QDBusServiceWatcher* m_watcher = nullptr;
};
