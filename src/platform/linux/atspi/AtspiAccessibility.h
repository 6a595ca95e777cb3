// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"

#include <QDBusConnection>
#include <QHash>
#include <QMutex>
#include <QStringList>
#include <optional>

// Other applications' accessibility trees over AT-SPI 2, talking D-Bus directly: the session bus says
// where the accessibility bus is and whether accessibility is on, and each reading thread asks the
// applications over a private connection of its own. Reading calls may come from any thread at once.
class AtspiAccessibility final : public Accessibility
{
public:
    // session reaches org.a11y.Bus; the session bus of the desktop unless a test brings its own.
    explicit AtspiAccessibility(QDBusConnection session = QDBusConnection::sessionBus());
    ~AtspiAccessibility() override;
    AtspiAccessibility(const AtspiAccessibility&) = delete;
    AtspiAccessibility& operator=(const AtspiAccessibility&) = delete;

    // Joins the accessibility bus now rather than at the first read, so that browsers started later already
    // see our window-activation listener (Chromium reports its active window only to a listening bus).
    void connectNow() const;

    // The desktop's accessibility switch (org.a11y.Status.IsEnabled); false when there is no accessibility bus.
    bool isEnabled() const override;
    // Turns the desktop's accessibility switch on: a lasting, session-wide change the user agreed to.
    void enable() override;
    // Starts the desktop's accessibility settings, when a known settings program is installed.
    void openSettings() override;
    // A browser's own start-up is no part of the desktop's accessibility.
    void enableRendererAccessibility() override {}

    ApplicationAnswer application(qint64 pid, Timeout timeout) const override;
    std::optional<AccessibleElement> window(const AccessibleElement& application, Window which,
                                            Timeout timeout) const override;
    // Visibility is asked of page elements only, the one kind whose visibility a walk uses; the others
    // report showing. A container's children are asked ahead for the walk's next steps.
    AccessibleFacts facts(const AccessibleElement& element, Timeout timeout) const override;
    // A window's title is read along with the window, so that asking for it right after costs nothing.
    QString name(const AccessibleElement& element, Timeout timeout) const override;

    // The program and arguments that open the accessibility settings on the desktop named as in
    // XDG_CURRENT_DESKTOP, looked up in searchPaths (PATH when empty); none when there is no such program.
    static std::optional<QStringList> settingsCommand(const QString& desktop, const QStringList& searchPaths = {});

private:
    // This thread's connection to the accessibility bus, or none when it cannot be reached.
    std::optional<QDBusConnection> bus(Timeout timeout) const;
    std::optional<QString> fetchAddress(Timeout timeout) const;
    void listenForActivation(const QString& address) const;
    std::optional<AccessibleElement> findApplication(const QDBusConnection& bus, qint64 pid, Timeout timeout) const;
    std::optional<bool> switchedOn(Timeout timeout) const;

    QDBusConnection m_session;
    mutable QMutex m_mutex;                    // guards the fields below
    mutable QString m_address;                 // of the accessibility bus, once fetched
    mutable QString m_listener;                // the connection that keeps the activation listener
    mutable QHash<qint64, QString> m_busNames; // pid → bus name of its application
    mutable QHash<QString, QString> m_titles;  // bus name + path → title of a window just found
};
