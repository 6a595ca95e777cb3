// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>
#include <QObject>
#include <QPointF>
#include <optional>

class QWidget;

// Follows the pointer over a widget (and its children) without taking any event from it: clicks, context
// menus and hover of the widgets underneath keep working. Reports positions in the target's top-left
// coordinates, and absence when the pointer leaves, the target is hidden or leaves its window.
class PointerTracker : public QObject
{
    Q_OBJECT
public:
    // Parented to target; turns on mouse tracking for target and its children.
    explicit PointerTracker(QWidget* target);

    std::optional<QPointF> location() const { return m_location; }
    QWidget* target() const;

signals:
    void moved(const std::optional<QPointF>& location);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* widget);
    void report(const std::optional<QPointF>& location);

    std::optional<QPointF> m_location;
};

Q_DECLARE_METATYPE(std::optional<QPointF>)
