#pragma once

#include "BrowserPermission.h"
#include "Tracker.h"

#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

// Tells that the browser in front keeps its pages to itself, and offers the settings that would let it tell.
class PermissionNotice : public QWidget
{
    Q_OBJECT
public:
    explicit PermissionNotice(QWidget* parent = nullptr);

    // Shows the notice for the browser, or hides it when there is none.
    void setBlockedBrowser(const std::optional<Tracker::BlockedBrowser>& browser);
    const std::optional<Tracker::BlockedBrowser>& blockedBrowser() const { return m_browser; }

    static QString text(const Tracker::BlockedBrowser& browser);
    static QString buttonTitle(BrowserPermission permission);

    QLabel* label() const { return m_label; }
    QPushButton* button() const { return m_button; }

signals:
    void settingsRequested(BrowserPermission permission);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTextColor();

    std::optional<Tracker::BlockedBrowser> m_browser;
    QLabel* m_label = nullptr;
    QPushButton* m_button = nullptr;
};
