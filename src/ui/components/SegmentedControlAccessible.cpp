// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SegmentedControlAccessible.h"

#include "SegmentedControl.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

// One segment: a radio button without an object of its own, kept by the control's interface.
class SegmentAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SegmentAccessible(SegmentedControl* control, qsizetype index) : m_control(control), m_index(index) {}

    bool isValid() const override { return m_control && m_index < m_control->segments().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_control ? m_control->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_control); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text text) const override
    {
        return text == QAccessible::Name && isValid() ? m_control->segments()[m_index].title : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = m_control->segmentRect(m_control->segments()[m_index].id);
        return QRect(m_control->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::RadioButton; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        const bool chosen = m_control->currentId() == m_control->segments()[m_index].id;
        state.checkable = true;
        state.checked = chosen;
        state.focusable = true;
        state.focused = chosen && m_control->hasFocus();
        state.invisible = !m_control->isVisible();
        state.disabled = !m_control->isEnabled();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid() && m_control->isEnabled())
            m_control->chooseId(m_control->segments()[m_index].id);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<SegmentedControl> m_control;
    qsizetype m_index;
};

class ControlAccessible final : public QAccessibleWidget
{
public:
    explicit ControlAccessible(SegmentedControl* control) : QAccessibleWidget(control, QAccessible::Grouping) {}
    ~ControlAccessible() override
    {
        for (QAccessibleInterface* segment : std::as_const(m_segments))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(segment));
    }

    int childCount() const override { return int(control()->segments().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        // The same interface every time, so that assistive technology keeps its identity.
        while (m_segments.size() <= index) {
            auto* segment = new SegmentAccessible(control(), m_segments.size());
            QAccessible::registerAccessibleInterface(segment);
            m_segments.append(segment);
        }
        return m_segments[index];
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(m_segments.indexOf(const_cast<QAccessibleInterface*>(child)));
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto& segments = control()->segments();
        for (qsizetype i = 0; i < segments.size(); ++i)
            if (control()->hasFocus() && control()->currentId() == segments[i].id)
                return child(int(i));
        return nullptr;
    }

private:
    SegmentedControl* control() const { return static_cast<SegmentedControl*>(widget()); }

    mutable QList<QAccessibleInterface*> m_segments;
};

} // namespace

namespace SegmentedControlAccessible {

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    auto* control = qobject_cast<SegmentedControl*>(object);
    // Asked for the most derived class first: a subclass is answered there, once.
    if (!control || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new ControlAccessible(control);
}

} // namespace SegmentedControlAccessible
