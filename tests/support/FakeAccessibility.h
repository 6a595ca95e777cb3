// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Accessibility.h"

#include <QHash>
#include <QList>
#include <QStringList>

// An accessibility tree a test builds node by node, with a clock that every message moves on.
class FakeAccessibility final : public Accessibility
{
public:
    static AccessibleElement element(const QString& path) { return {QStringLiteral(":1.42"), path}; }

    bool isEnabled() const override { return enabled; }
    void enable() override { ++enableRequests; }
    void openSettings() override { ++settingsOpenings; }
    void enableRendererAccessibility() override { ++rendererRequests; }

    ApplicationAnswer application(qint64 pid, Timeout timeout) const override
    {
        message(QStringLiteral("application"), timeout);
        return apps.value(pid, ApplicationAnswer{std::nullopt, Error::noReply});
    }

    std::optional<AccessibleElement> window(const AccessibleElement& application, Window which,
                                            Timeout timeout) const override
    {
        message(QStringLiteral("window"), timeout);
        const auto& windows = which == Window::focused ? focused : main;
        const auto it = windows.constFind(application.path);
        if (it == windows.constEnd())
            return std::nullopt;
        return element(*it);
    }

    AccessibleFacts facts(const AccessibleElement& element, Timeout timeout) const override
    {
        message(QStringLiteral("facts"), timeout);
        visited.append(element.path);
        return tree.value(element.path);
    }

    QString name(const AccessibleElement& element, Timeout timeout) const override
    {
        message(QStringLiteral("name"), timeout);
        return names.value(element.path);
    }

    // Adds a node; children are paths of nodes added before or after.
    void add(const QString& path, AccessibleRole role, const QStringList& children = {},
             std::optional<QString> address = std::nullopt, std::optional<QSizeF> size = std::nullopt,
             bool showing = true)
    {
        AccessibleFacts facts;
        facts.role = role;
        for (const QString& child : children)
            facts.children.append(element(child));
        facts.address = std::move(address);
        facts.size = size;
        facts.showing = showing;
        tree.insert(path, facts);
    }

    // A running browser with process id pid whose focused window is the node at windowPath.
    void addBrowser(qint64 pid, const QString& windowPath)
    {
        const QString app = QStringLiteral("app-%1").arg(pid);
        apps.insert(pid, ApplicationAnswer{element(app), Error::none});
        focused.insert(app, windowPath);
    }

    // Monotonic time as the fake's messages have moved it.
    std::chrono::milliseconds now() const { return elapsed; }

    bool enabled = true;
    int enableRequests = 0;
    int settingsOpenings = 0;
    int rendererRequests = 0;
    QHash<qint64, ApplicationAnswer> apps;
    QHash<QString, QString> focused; // application path → window path
    QHash<QString, QString> main;
    QHash<QString, AccessibleFacts> tree;
    QHash<QString, QString> names;
    std::chrono::milliseconds costPerMessage{0};

    mutable QStringList messages; // kinds of message, in order
    mutable QStringList visited;  // paths whose facts were read, in order
    mutable QList<Timeout> timeouts;
    mutable std::chrono::milliseconds elapsed{0};

private:
    void message(const QString& kind, Timeout timeout) const
    {
        messages.append(kind);
        timeouts.append(timeout);
        elapsed += costPerMessage;
    }
};
