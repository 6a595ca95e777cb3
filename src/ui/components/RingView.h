// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AccessibleParts.h"
#include "Breakdown.h"
#include "Focus.h"
#include "RollingText.h"
#include "Slice.h"
#include "Spring.h"

#include <QHash>
#include <QPointF>
#include <QWidget>
#include <optional>

class PointerTracker;
struct Sector;

// The coloured ring of one breakdown: sectors from 12 o'clock clockwise, the slice under the pointer or in
// the imposed focus emphasised, and the time and name of what is emphasised in the middle. The arrow keys
// move from slice to slice as the pointer would; screen readers read the slices as a list.
class RingView : public QWidget, public AccessibleParts
{
    Q_OBJECT
public:
    // The radii (as ratios of the radius) and opacity of one sector.
    struct SectorStyle
    {
        double inner = 0.77;
        double outer = 0.97;
        double opacity = 1;

        bool operator==(const SectorStyle&) const = default;
    };

    // What the middle of the ring says.
    struct CenterLabel
    {
        double seconds = 0;
        QString name;

        bool operator==(const CenterLabel&) const = default;
    };

    explicit RingView(QWidget* parent = nullptr);

    // Shows new slices at once (no animation); keeps the pointer position.
    void setBreakdown(const Breakdown& breakdown);
    const Breakdown& breakdown() const { return m_breakdown; }
    // Focus set by the owner, for example while the pointer is over a row of the item list.
    void setImposedFocus(const std::optional<Focus>& focus);
    const std::optional<Focus>& imposedFocus() const { return m_focus; }
    // The ring's size in points; the widget's size hint follows it.
    void setDiameter(qreal diameter);
    qreal diameter() const { return m_diameter; }

    // The pointer's position along the ring in seconds, absent when it is off the ring.
    std::optional<double> chartAngle() const { return m_chartAngle; }
    std::optional<Slice> pointedSlice() const;
    std::optional<Slice> emphasised() const;
    // The ring value (seconds from 12 o'clock) at a point in the ring's own coordinates, absent off the band.
    std::optional<double> ringValue(const QPointF& point) const;
    // Where the slice settles once the emphasis animation ends.
    SectorStyle targetStyle(const QString& sliceId) const;
    CenterLabel centerLabel() const;
    // Whether an emphasis animation is running.
    bool isAnimating() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int partCount() const override { return static_cast<int>(m_breakdown.slices.size()); }
    QString partName(int index) const override;
    QRect partRect(int index) const override;
    int currentPart() const override;

signals:
    // The pointer entered another slice (item or other), or left every slice.
    void hovered(const std::optional<Focus>& focus);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Animated
    {
        SpringValue inner;
        SpringValue outer;
        SpringValue opacity;
    };

    QPointF ringOrigin() const;
    void pointerMoved(const std::optional<QPointF>& location);
    void setChartAngle(const std::optional<double>& angle, bool force);
    // Points at the middle of a slice, as the pointer would.
    void pointAtSlice(int index);
    Sector sectorOf(int index) const;
    void emphasisChanged(bool animated);
    bool stepSprings(double seconds);
    void paintRing(QPainter& painter);
    void paintPastLimit(QPainter& painter, const Sector& sector, qreal limitAngle);
    void paintCenter(QPainter& painter);
    // Follows a change of what the middle shows; the value rolls only for changes of emphasis.
    void centerChanged(bool animated);

    Breakdown m_breakdown;
    std::optional<Focus> m_focus;
    qreal m_diameter = 156;
    std::optional<double> m_chartAngle;
    std::optional<QString> m_pointedId;
    std::optional<QString> m_emphasisedId;
    QHash<QString, Animated> m_styles; // by slice id
    SpringDriver m_springs;
    RollingText m_value;
    PointerTracker* m_tracker = nullptr;
};
