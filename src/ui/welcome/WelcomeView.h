// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Workspace.h"

#include <QList>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

class Accessibility;
class BrowserList;
class Icons;
class LoginItem;
class Notice;
class QCheckBox;
class QLabel;
class QPushButton;
class Settings;
class Tracker;
class WelcomePoint;

// The first-start window's content: what Horavane does in three points, the running browsers with the
// permission each needs and a way to grant it, the choice to open at login, and "Get Started".
// While shown, the browser list follows what runs and what the user answered, once a second.
class WelcomeView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int fixedWidth = 500;
    static constexpr qreal iconSide = 76;
    static constexpr std::chrono::milliseconds refreshInterval{1000};

    // runningApplications lists what runs now, in any order and with repeats; it is asked once a second
    // while the view is shown.
    WelcomeView(Tracker& tracker, Icons& icons, Settings& settings, Accessibility& accessibility, LoginItem& loginItem,
                std::function<QList<RunningApp>()> runningApplications, QWidget* parent = nullptr);

    bool opensAtLogin() const;
    // Reads the running browsers and their permissions again.
    void refreshBrowsers();
    // Records that the welcome was seen, applies the login choice and asks the owner to close the window.
    void finish();

    // What the user must do before anything is recorded on this desktop, with a button for it; empty hides it.
    void setDesktopNotice(const QString& text, const QString& buttonTitle);
    Notice* desktopNotice() const { return m_desktopNotice; }

    QList<WelcomePoint*> points() const { return m_points; }
    BrowserList* browserList() const { return m_browsers; }
    QLabel* firefoxLabel() const { return m_firefox; }
    QCheckBox* loginToggle() const { return m_loginToggle; }
    QPushButton* getStartedButton() const { return m_getStarted; }
    const QTimer& refreshTimer() const { return m_refresh; }

signals:
    // "Get Started" ran; the window is to close.
    void finished();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void addBrowserList(WelcomePoint* point, Icons& icons);
    void fitToContent();
    void requestAccess(const RunningApp& app);
    void openSettings(const RunningApp& app);
    void paintIcon();
    void paintProminent();

    Tracker& m_tracker;
    Settings& m_settings;
    Accessibility& m_accessibility;
    LoginItem& m_loginItem;
    std::function<QList<RunningApp>()> m_runningApplications;
    QTimer m_refresh;

    QLabel* m_icon = nullptr;
    QLabel* m_subtitle = nullptr;
    Notice* m_desktopNotice = nullptr;
    QList<WelcomePoint*> m_points;
    QWidget* m_browserBox = nullptr;
    BrowserList* m_browsers = nullptr;
    QLabel* m_firefox = nullptr;
    QCheckBox* m_loginToggle = nullptr;
    QPushButton* m_getStarted = nullptr;
};
