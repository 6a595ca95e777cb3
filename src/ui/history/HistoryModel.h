// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Focus.h"
#include "Period.h"
#include "Segment.h"
#include "Summary.h"

#include <QHash>
#include <QList>
#include <optional>

// What the history window shows and where the pointer and selection are: the days of a period, their bar
// pieces in the period's colours, the selected day and the hovered day and piece. Plain data, no widgets.
class HistoryModel
{
public:
    explicit HistoryModel(Period period = Period::week) : m_period(period) {}

    Period period() const { return m_period; }
    // Another period forgets the selected day; the days come with the next reload.
    void setPeriod(Period period);

    const QList<DayUsage>& days() const { return m_days; }
    // Takes the new days unless each one looks the same as before (same keys, same whole minutes per item),
    // so that unchanged data redraws nothing. True when the days were replaced.
    bool reload(const QList<DayUsage>& days);

    // All days added up.
    const Summary& rangeSummary() const { return m_range; }
    // The selected day, when it is one of the days.
    const DayUsage* selectedDayUsage() const;
    // The selected day's summary, or the whole period's.
    const Summary& shownSummary() const;
    // The summaries of the days shownSummary() adds up: the selected day's, or every day's.
    QList<Summary> shownDays() const;

    // The colours of the period's largest items; the bar pieces follow them.
    void setColors(const QHash<ItemKey, AdaptiveColor>& colors);
    const QHash<ItemKey, AdaptiveColor>& colors() const { return m_colors; }
    const QList<Segment>& segments() const { return m_segments; }
    // One piece per coloured item of each day, then a grey piece for the rest when it is a second or more.
    static QList<Segment> segments(const QList<DayUsage>& days, const QHash<ItemKey, AdaptiveColor>& colors);

    // The total divided by the number of days with at least a minute; 0 without such days.
    double average(double total) const;
    // The slice id the focus stands for in the bars: an uncoloured item is part of the grey pieces.
    static std::optional<QString> focusedSlice(const std::optional<Focus>& focus,
                                               const QHash<ItemKey, AdaptiveColor>& colors);
    // How strongly a piece shows, given the focus, the selected day and the hovered day.
    double opacity(const Segment& segment, const std::optional<QString>& focusedSlice) const;

    const std::optional<QString>& selectedDay() const { return m_selectedDay; }
    const std::optional<QString>& hoveredDay() const { return m_hoveredDay; }
    const std::optional<Segment>& hoveredSegment() const { return m_hoveredSegment; }
    // The key of the day holding the moment, only when that day is one of the days.
    std::optional<QString> dayKeyOf(const QDateTime& moment) const;
    const DayUsage* dayUsage(const QString& day) const;
    // The piece of the day's stack that reaches the height in hours first; none above the stack or below 0.
    std::optional<Segment> segmentAt(const QString& day, double hours) const;
    // Stores the day and piece under the pointer; true when either changed.
    bool setHover(const std::optional<QString>& day, const std::optional<Segment>& segment);
    // A click on a day selects it, or clears the selection when it was selected; nothing on no day.
    bool click(const std::optional<QString>& day);
    void clearSelection();
    // Hovers the preview's day and piece; nothing when the day index is outside the days.
    bool applyPreviewHover(const PreviewHover& hover);

    // The hover label's time: the hovered piece's, else the day's total; none when the day has no time.
    std::optional<double> hoverSeconds(const QString& day) const;

private:
    void rebuild();

    Period m_period;
    QList<DayUsage> m_days;
    Summary m_range;
    QHash<ItemKey, AdaptiveColor> m_colors;
    QList<Segment> m_segments;
    std::optional<QString> m_selectedDay;
    std::optional<QString> m_hoveredDay;
    std::optional<Segment> m_hoveredSegment;
};
