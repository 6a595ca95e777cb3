// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleParts.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

// One drawn part; it reads everything from the widget each time, so it never holds stale values.
class PartInterface : public QAccessibleInterface
{
public:
    PartInterface(QAccessibleInterface* list, QWidget* widget, AccessibleParts* parts, int index)
        : m_list(list), m_widget(widget), m_parts(parts), m_index(index)
    {
    }

    bool isValid() const override { return m_widget && m_index < m_parts->partCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_list; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_parts->partName(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = m_parts->partRect(m_index);
        return QRect(m_widget->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool current = m_parts->currentPart() == m_index;
        state.focusable = true;
        state.selectable = true;
        state.focused = current && m_widget->hasFocus();
        state.selected = m_parts->isPartChosen(m_index);
        return state;
    }

private:
    QAccessibleInterface* m_list;
    QPointer<QWidget> m_widget;
    AccessibleParts* m_parts;
    int m_index;
};

class PartsInterface : public QAccessibleWidget
{
public:
    PartsInterface(QWidget* widget, AccessibleParts* parts)
        : QAccessibleWidget(widget, QAccessible::List), m_parts(parts)
    {
    }
    ~PartsInterface() override
    {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return m_parts->partCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // Children are kept by index: the screen reader holds on to them between questions.
        auto it = m_children.constFind(index);
        if (it == m_children.cend()) {
            auto* part = new PartInterface(const_cast<PartsInterface*>(this), widget(), m_parts, index);
            it = m_children.insert(index, QAccessible::registerAccessibleInterface(part));
        }
        return QAccessible::accessibleInterface(*it);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = m_children.cbegin(); it != m_children.cend(); ++it)
            if (QAccessible::accessibleInterface(*it) == child)
                return it.key() < childCount() ? it.key() : -1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (m_parts->partRect(i).contains(local))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return widget()->hasFocus() ? child(m_parts->currentPart()) : nullptr;
    }

private:
    AccessibleParts* m_parts;
    mutable QHash<int, QAccessible::Id> m_children;
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (auto* parts = dynamic_cast<AccessibleParts*>(widget))
        return new PartsInterface(widget, parts);
    const QVariant role = widget->property(AccessibleParts::roleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

} // namespace

void AccessibleParts::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleParts::announceNewParts(QWidget* widget)
{
    QAccessibleEvent event(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void AccessibleParts::announceCurrent(QWidget* widget, int index)
{
    if (index < 0 || !widget->hasFocus())
        return;
    QAccessibleEvent event(widget, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}
