// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryModel.h"

#include "Slice.h"

namespace {

const QString otherID = QStringLiteral("other");

QString sliceID(const ItemKey& key)
{
    return QString::number(rawValue(key.kind)) + QLatin1Char(':') + key.id;
}

} // namespace

void HistoryModel::setPeriod(Period period)
{
    m_selectedDay.reset();
    m_period = period;
}

bool HistoryModel::reload(const QList<DayUsage>& days)
{
    if (days.size() == m_days.size()) {
        bool same = true;
        for (qsizetype i = 0; same && i < days.size(); ++i)
            same = days[i].day == m_days[i].day && days[i].summary.looksSame(m_days[i].summary);
        if (same)
            return false;
    }
    m_days = days;
    QList<Summary> summaries;
    summaries.reserve(m_days.size());
    for (const DayUsage& day : std::as_const(m_days))
        summaries.append(day.summary);
    m_range = Summary::merging(summaries);
    rebuild();
    return true;
}

const DayUsage* HistoryModel::selectedDayUsage() const
{
    return m_selectedDay ? dayUsage(*m_selectedDay) : nullptr;
}

const Summary& HistoryModel::shownSummary() const
{
    const DayUsage* selected = selectedDayUsage();
    return selected ? selected->summary : m_range;
}

QList<Summary> HistoryModel::shownDays() const
{
    if (const DayUsage* selected = selectedDayUsage())
        return {selected->summary};
    QList<Summary> days;
    for (const DayUsage& day : m_days)
        days.append(day.summary);
    return days;
}

void HistoryModel::setColors(const QHash<ItemKey, AdaptiveColor>& colors)
{
    if (colors == m_colors)
        return;
    m_colors = colors;
    rebuild();
}

void HistoryModel::rebuild()
{
    m_segments = segments(m_days, m_colors);
    // The pointer has not moved: the hovered piece is the same piece with today's numbers, or gone.
    if (m_hoveredSegment) {
        const QString id = m_hoveredSegment->id;
        m_hoveredSegment.reset();
        for (const Segment& segment : std::as_const(m_segments))
            if (segment.id == id)
                m_hoveredSegment = segment;
    }
    if (m_hoveredDay && !dayUsage(*m_hoveredDay))
        m_hoveredDay.reset();
}

QList<Segment> HistoryModel::segments(const QList<DayUsage>& days, const QHash<ItemKey, AdaptiveColor>& colors)
{
    QList<Segment> result;
    for (const DayUsage& day : days) {
        double colored = 0;
        for (const UsageItem& item : day.summary.items) {
            const auto color = colors.constFind(item.key);
            if (color == colors.cend())
                continue;
            const QString slice = sliceID(item.key);
            result.append(Segment{day.day + QLatin1Char('/') + slice, day.day, day.date, slice, item.key, item.name,
                                  item.seconds, *color});
            colored += item.seconds;
        }
        const double rest = day.summary.total - colored;
        if (rest >= 1)
            result.append(Segment{day.day + QLatin1Char('/') + otherID, day.day, day.date, otherID, std::nullopt,
                                  Slice::otherName(), rest, Palette::other()});
    }
    return result;
}

double HistoryModel::average(double total) const
{
    qsizetype counted = 0;
    for (const DayUsage& day : m_days)
        if (day.summary.total >= 60)
            ++counted;
    return counted == 0 ? 0 : total / static_cast<double>(counted);
}

std::optional<QString> HistoryModel::focusedSlice(const std::optional<Focus>& focus,
                                                  const QHash<ItemKey, AdaptiveColor>& colors)
{
    if (!focus)
        return std::nullopt;
    if (focus->kind == Focus::Kind::other || !colors.contains(focus->key))
        return otherID;
    return sliceID(focus->key);
}

double HistoryModel::opacity(const Segment& segment, const std::optional<QString>& focusedSlice) const
{
    if (focusedSlice)
        return segment.sliceID == *focusedSlice ? 1 : 0.25;
    if (m_selectedDay)
        return segment.day == *m_selectedDay || segment.day == m_hoveredDay ? 1 : 0.3;
    if (m_hoveredDay)
        return segment.day == *m_hoveredDay ? 1 : 0.55;
    return 1;
}

std::optional<QString> HistoryModel::dayKeyOf(const QDateTime& moment) const
{
    if (m_days.isEmpty() || !moment.isValid())
        return std::nullopt;
    const QString key = Day::string(moment, m_days.constFirst().date.timeZone());
    if (!dayUsage(key))
        return std::nullopt;
    return key;
}

const DayUsage* HistoryModel::dayUsage(const QString& day) const
{
    for (const DayUsage& usage : m_days)
        if (usage.day == day)
            return &usage;
    return nullptr;
}

std::optional<Segment> HistoryModel::segmentAt(const QString& day, double hours) const
{
    if (!(hours >= 0))
        return std::nullopt;
    double sum = 0;
    for (const Segment& segment : m_segments) {
        if (segment.day != day)
            continue;
        sum += segment.seconds / 3600;
        if (hours <= sum)
            return segment;
    }
    return std::nullopt;
}

bool HistoryModel::setHover(const std::optional<QString>& day, const std::optional<Segment>& segment)
{
    bool changed = false;
    if (day != m_hoveredDay) {
        m_hoveredDay = day;
        changed = true;
    }
    if (segment != m_hoveredSegment) {
        m_hoveredSegment = segment;
        changed = true;
    }
    return changed;
}

bool HistoryModel::click(const std::optional<QString>& day)
{
    if (!day)
        return false;
    if (day == m_selectedDay)
        m_selectedDay.reset();
    else
        m_selectedDay = day;
    return true;
}

void HistoryModel::clearSelection()
{
    m_selectedDay.reset();
}

bool HistoryModel::applyPreviewHover(const PreviewHover& hover)
{
    if (hover.day < 0 || hover.day >= m_days.size())
        return false;
    const QString& day = m_days[hover.day].day;
    QList<Segment> pieces;
    for (const Segment& segment : std::as_const(m_segments))
        if (segment.day == day)
            pieces.append(segment);
    const std::optional<Segment> piece =
        hover.piece >= 0 && hover.piece < pieces.size() ? std::optional(pieces[hover.piece]) : std::nullopt;
    return setHover(day, piece);
}

std::optional<double> HistoryModel::hoverSeconds(const QString& day) const
{
    const DayUsage* usage = dayUsage(day);
    if (!usage || !(usage->summary.total > 0))
        return std::nullopt;
    return m_hoveredSegment ? m_hoveredSegment->seconds : usage->summary.total;
}
