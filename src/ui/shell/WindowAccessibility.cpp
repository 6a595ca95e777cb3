// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowAccessibility.h"

#include "PopoverPanel.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWindow>

namespace {

// The top-level windows with an accessible root: Qt's own list less the popups that are not windows (menus).
QList<QAccessibleInterface*> windows()
{
    QList<QAccessibleInterface*> list;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        QAccessibleInterface* root = window->accessibleRoot();
        if (!root || !root->object())
            continue;
        if (window->type() == Qt::Popup && root->role() != QAccessible::Window)
            continue;
        list.append(root);
    }
    return list;
}

// The application, whose children are its windows.
class ApplicationAccessible final : public QAccessibleObject
{
public:
    ApplicationAccessible() : QAccessibleObject(qApp) {}

    QWindow* window() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    int childCount() const override { return int(windows().size()); }
    QAccessibleInterface* child(int index) const override { return windows().value(index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(windows().indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* focusChild() const override
    {
        QWindow* focused = QGuiApplication::focusWindow();
        return focused ? focused->accessibleRoot() : nullptr;
    }
    QString text(QAccessible::Text text) const override
    {
        if (text == QAccessible::Name)
            return QGuiApplication::applicationDisplayName();
        if (text == QAccessible::Description)
            return QCoreApplication::applicationFilePath();
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (object == qApp)
        return new ApplicationAccessible;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() || className != QLatin1String(object->metaObject()->className()))
        return nullptr; // asked again for each base class: only the first time counts
    // A window of plain widgets, or the popover's panel; other windows (dialogs, menus, the tray icon) are Qt's.
    if (className == QLatin1String("QWidget") || qobject_cast<PopoverPanel*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace WindowAccessibility {

void install()
{
    QAccessible::installFactory(factory);
    // The bridge to assistive technology may have asked for the application before: it asks again for a new one.
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    if (application && !dynamic_cast<ApplicationAccessible*>(application))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(application));
}

} // namespace WindowAccessibility
