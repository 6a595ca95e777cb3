// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AccessibleParts.h"
#include "ChartScale.h"
#include "Segment.h"
#include "Spring.h"

#include <QHash>
#include <QWidget>
#include <optional>

class HistoryModel;
class PointerTracker;

// The stacked bars of the history: one bar per day, a piece per coloured item and a grey rest, the daily
// average as a dashed rule, and the hovered day's time above its bar. Reads everything from the model;
// reports the day and piece under the pointer and the day clicked, and leaves the deciding to its owner.
// The arrow keys point at days as the pointer does, Return or Space chooses one and Escape the chosen one
// again (back to all days); screen readers read the days as a list.
class BarChart : public QWidget, public AccessibleParts
{
    Q_OBJECT
public:
    static constexpr int chartHeight = 170;
    static constexpr int topSpace = 16; // room for the labels above the bars

    explicit BarChart(const HistoryModel& model, QWidget* parent = nullptr);

    // New days or colours (or another period): bars jump to their new places.
    void setContent(double average);
    // The hover or selection moved, or the focus did; only a change of the focused slice animates.
    void setFocusedSlice(const std::optional<QString>& focusedSlice);
    void refreshState();

    ChartScale scale() const;
    // The day under a point of the chart, only inside the plot and only for one of the model's days.
    std::optional<QString> dayAt(const QPointF& point) const;
    // The piece of the day's bar at the point's height.
    std::optional<Segment> segmentAt(const QPointF& point, const std::optional<QString>& day) const;
    // Where a piece is drawn.
    QRectF segmentRect(const Segment& segment) const;
    // The hover label's text (time, then the piece's name), none when no label shows.
    std::optional<QString> hoverLabel() const;
    // The opacity a piece is drawn with now (it moves towards the model's while animating).
    double drawnOpacity(const Segment& segment) const;
    double average() const { return m_average; }
    // The axis labels under the bars, with the days they are centred on.
    QList<std::pair<QDateTime, QString>> axisLabels() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int partCount() const override;
    QString partName(int index) const override;
    QRect partRect(int index) const override;
    int currentPart() const override;
    bool isPartChosen(int index) const override;

signals:
    // The pointer moved to a day and piece, or left (both none); sent on every move.
    void pointed(const std::optional<QString>& day, const std::optional<Segment>& segment);
    // A click on the chart, on a day or on none.
    void clicked(const std::optional<QString>& day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int indexOf(const std::optional<QString>& day) const;
    void pointAtDay(int index);
    double slotFraction() const;
    double axisHeight() const;
    QRectF pieceRect(const ChartScale& chart, const QDateTime& date, double below, double seconds) const;
    void pointerMoved(const std::optional<QPointF>& location);
    void snapOpacities();
    bool stepOpacities(double seconds);
    void paintGrid(QPainter& painter, const ChartScale& scale) const;
    void paintBars(QPainter& painter, const ChartScale& scale) const;
    void paintAverage(QPainter& painter, const ChartScale& scale) const;
    void paintHoverLabel(QPainter& painter, const ChartScale& scale) const;
    void paintFocus(QPainter& painter, const ChartScale& scale) const;

    const HistoryModel& m_model;
    double m_average = 0;
    std::optional<QString> m_focusedSlice;
    QHash<QString, SpringValue> m_opacity; // by segment id
    SpringDriver m_springs;
    PointerTracker* m_tracker = nullptr;
};
