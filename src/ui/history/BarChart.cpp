// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BarChart.h"

#include "DateLabels.h"
#include "DurationText.h"
#include "HistoryModel.h"
#include "PointerTracker.h"
#include "Theme.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {

const SpringParameters opacitySpring{0.2, 0.85};
constexpr double cornerRadius = 2;

QString axisValue(double hours)
{
    return hours == 0 ? QLocale().toString(0) : DurationText::string(hours * 3600);
}

} // namespace

BarChart::BarChart(const HistoryModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_springs([this](double seconds) { return stepOpacities(seconds); })
{
    setFocusPolicy(Qt::StrongFocus);
    AccessibleParts::install();
    setAccessibleName(tr("Time per day"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_tracker = new PointerTracker(this);
    connect(m_tracker, &PointerTracker::moved, this, &BarChart::pointerMoved);
    connect(&m_springs, &SpringDriver::advanced, this, qOverload<>(&QWidget::update));
}

void BarChart::setContent(double average)
{
    m_average = average;
    snapOpacities();
    update();
    AccessibleParts::announceNewParts(this);
}

void BarChart::setFocusedSlice(const std::optional<QString>& focusedSlice)
{
    if (focusedSlice == m_focusedSlice)
        return;
    m_focusedSlice = focusedSlice;
    for (const Segment& segment : m_model.segments())
        m_opacity[segment.id].target = m_model.opacity(segment, m_focusedSlice);
    m_springs.start();
    update();
}

void BarChart::refreshState()
{
    // Hover and selection of days change opacities at once; only the focus animates.
    if (!m_springs.isRunning())
        snapOpacities();
    else
        for (const Segment& segment : m_model.segments())
            m_opacity[segment.id].target = m_model.opacity(segment, m_focusedSlice);
    update();
}

void BarChart::snapOpacities()
{
    m_springs.stop();
    m_opacity.clear();
    for (const Segment& segment : m_model.segments())
        m_opacity[segment.id].snap(m_model.opacity(segment, m_focusedSlice));
}

bool BarChart::stepOpacities(double seconds)
{
    bool settled = true;
    for (SpringValue& value : m_opacity) {
        value.advance(seconds, opacitySpring);
        settled = settled && value.isSettled();
    }
    if (settled)
        for (SpringValue& value : m_opacity)
            value.snap(value.target);
    return settled;
}

double BarChart::drawnOpacity(const Segment& segment) const
{
    const auto found = m_opacity.constFind(segment.id);
    const double value = found != m_opacity.cend() ? found->value : m_model.opacity(segment, m_focusedSlice);
    return std::clamp(value, 0.0, 1.0);
}

double BarChart::axisHeight() const
{
    return std::ceil(QFontMetricsF(Theme::font(TextStyle::caption2)).height()) + 4;
}

ChartScale BarChart::scale() const
{
    const QList<DayUsage>& days = m_model.days();
    double maxHours = m_average / 3600;
    for (const DayUsage& day : days)
        maxHours = std::max(maxHours, day.summary.total / 3600);
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime start = days.isEmpty() ? now : days.constFirst().date;
    const QDateTime end = days.isEmpty() ? now : days.constLast().date.addSecs(86400);
    // The axis labels' width depends on the ticks, which depend only on the hours: measure on a first guess.
    const ChartScale guess(QRectF(0, 0, 1, 1), start, end, maxHours);
    const QFontMetricsF metrics(Theme::font(TextStyle::caption2));
    double widest = 0;
    for (double tick : guess.ticks())
        widest = std::max(widest, metrics.horizontalAdvance(axisValue(tick)));
    const double right = std::ceil(widest) + 6;
    const QRectF plot(0, topSpace, std::max(0.0, width() - right), std::max(0.0, height() - topSpace - axisHeight()));
    return ChartScale(plot, start, end, maxHours);
}

double BarChart::slotFraction() const
{
    return m_model.period() == Period::month ? 0.68 : 0.5;
}

std::optional<QString> BarChart::dayAt(const QPointF& point) const
{
    const ChartScale chart = scale();
    if (chart.plot().isEmpty() || !chart.plot().contains(point))
        return std::nullopt;
    return m_model.dayKeyOf(chart.date(point.x()));
}

std::optional<Segment> BarChart::segmentAt(const QPointF& point, const std::optional<QString>& day) const
{
    const ChartScale chart = scale();
    if (chart.plot().isEmpty() || !day)
        return std::nullopt;
    return m_model.segmentAt(*day, chart.hours(point.y()));
}

QRectF BarChart::segmentRect(const Segment& segment) const
{
    double below = 0;
    for (const Segment& other : m_model.segments()) {
        if (other.id == segment.id)
            break;
        if (other.day == segment.day)
            below += other.seconds;
    }
    return pieceRect(scale(), segment.date, below, segment.seconds);
}

QRectF BarChart::pieceRect(const ChartScale& chart, const QDateTime& date, double below, double seconds) const
{
    const double left = chart.x(date);
    const double right = chart.x(date.addSecs(86400));
    const double barWidth = (right - left) * slotFraction();
    const double barLeft = left + (right - left - barWidth) / 2;
    return QRectF(QPointF(barLeft, chart.y((below + seconds) / 3600)),
                  QPointF(barLeft + barWidth, chart.y(below / 3600)));
}

std::optional<QString> BarChart::hoverLabel() const
{
    const std::optional<QString>& day = m_model.hoveredDay();
    if (!day)
        return std::nullopt;
    const std::optional<double> seconds = m_model.hoverSeconds(*day);
    if (!seconds)
        return std::nullopt;
    QString text = DurationText::string(*seconds);
    if (const std::optional<Segment>& segment = m_model.hoveredSegment())
        text += QStringLiteral("  ") + segment->name;
    return text;
}

QList<std::pair<QDateTime, QString>> BarChart::axisLabels() const
{
    const bool week = m_model.period() != Period::month;
    const int every = week ? 1 : 5;
    QList<std::pair<QDateTime, QString>> labels;
    const QList<DayUsage>& days = m_model.days();
    for (qsizetype i = 0; i < days.size(); i += every)
        labels.append({days[i].date, DateLabels::axisLabel(days[i].date.date(), week)});
    return labels;
}

QSize BarChart::sizeHint() const
{
    return QSize(480, chartHeight);
}

QSize BarChart::minimumSizeHint() const
{
    return QSize(120, chartHeight);
}

int BarChart::partCount() const
{
    return static_cast<int>(m_model.days().size());
}

QString BarChart::partName(int index) const
{
    const DayUsage& day = m_model.days().at(index);
    //: A day's bar as a screen reader names it: the full date, then the day's time spoken in words
    return tr("%1, %2").arg(QLocale().toString(day.date.date(), QLocale::LongFormat),
                            DurationText::spoken(day.summary.total));
}

QRect BarChart::partRect(int index) const
{
    const ChartScale chart = scale();
    const QDateTime& date = m_model.days().at(index).date;
    const QRectF plot = chart.plot();
    return QRectF(QPointF(chart.x(date), plot.top()), QPointF(chart.x(date.addSecs(86400)), plot.bottom()))
        .toAlignedRect();
}

int BarChart::indexOf(const std::optional<QString>& day) const
{
    const QList<DayUsage>& days = m_model.days();
    for (int i = 0; day && i < days.size(); ++i)
        if (days[i].day == *day)
            return i;
    return -1;
}

int BarChart::currentPart() const
{
    return indexOf(m_model.hoveredDay());
}

bool BarChart::isPartChosen(int index) const
{
    return index >= 0 && index == indexOf(m_model.selectedDay());
}

void BarChart::pointAtDay(int index)
{
    emit pointed(m_model.days().at(index).day, std::nullopt);
    AccessibleParts::announceCurrent(this, index);
}

void BarChart::keyPressEvent(QKeyEvent* event)
{
    const int last = partCount() - 1;
    const int current = currentPart();
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (last >= 0)
            pointAtDay(current < 0 ? 0 : std::min(current + 1, last));
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (last >= 0)
            pointAtDay(current < 0 ? last : std::max(current - 1, 0));
        break;
    case Qt::Key_Home:
        if (last >= 0)
            pointAtDay(0);
        break;
    case Qt::Key_End:
        if (last >= 0)
            pointAtDay(last);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current >= 0)
            emit clicked(m_model.days().at(current).day);
        break;
    case Qt::Key_Escape:
        // A click on the chosen day goes back to all days; without one, Escape is the window's.
        if (!m_model.selectedDay() || event->modifiers() != Qt::NoModifier) {
            event->ignore();
            return;
        }
        emit clicked(m_model.selectedDay());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BarChart::focusInEvent(QFocusEvent* event)
{
    // Arriving by Tab points at the chosen day, else at the newest one, so the arrows start from there.
    const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbed && currentPart() < 0 && partCount() > 0) {
        const int chosen = indexOf(m_model.selectedDay());
        pointAtDay(chosen >= 0 ? chosen : partCount() - 1);
    }
    update();
    QWidget::focusInEvent(event);
}

void BarChart::focusOutEvent(QFocusEvent* event)
{
    // What the keyboard pointed at goes with the focus; the pointer's place, if any, counts again. Not when
    // the window loses the focus (a menu, another window, or the window closing as its owner goes away).
    if (!AccessibleParts::focusLeavesWindow(event->reason()))
        pointerMoved(m_tracker->location());
    update();
    QWidget::focusOutEvent(event);
}

void BarChart::pointerMoved(const std::optional<QPointF>& location)
{
    if (!location) {
        emit pointed(std::nullopt, std::nullopt);
        return;
    }
    const std::optional<QString> day = dayAt(*location);
    emit pointed(day, segmentAt(*location, day));
}

void BarChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit clicked(dayAt(event->position()));
}

void BarChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ChartScale chart = scale();
    paintGrid(painter, chart);
    paintBars(painter, chart);
    paintAverage(painter, chart);
    paintHoverLabel(painter, chart);
    paintFocus(painter, chart);
}

void BarChart::paintFocus(QPainter& painter, const ChartScale& chart) const
{
    if (!hasFocus())
        return;
    // Around the day the keys point at, else around the whole plot.
    const int current = currentPart();
    const QRectF area = current >= 0 ? QRectF(partRect(current)) : chart.plot();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(area.adjusted(1, 1, -1, -1), 4, 4);
}

void BarChart::paintGrid(QPainter& painter, const ChartScale& chart) const
{
    const QRectF plot = chart.plot();
    const QFont font = Theme::font(TextStyle::caption2);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    for (double tick : chart.ticks()) {
        const double y = std::round(chart.y(tick)) + 0.5;
        painter.setPen(QPen(Theme::primary(palette(), 0.1), 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Theme::secondary(palette()));
        painter.drawText(QPointF(plot.right() + 4, y + (metrics.ascent() - metrics.descent()) / 2), axisValue(tick));
    }
    const double baseline = plot.bottom() + 4 + metrics.ascent();
    for (const auto& [date, text] : axisLabels()) {
        const double centre = (chart.x(date) + chart.x(date.addSecs(86400))) / 2;
        const double width = metrics.horizontalAdvance(text);
        // The first and last labels would stick out of a narrow slot: keep them inside the chart.
        const double left = std::clamp(centre - width / 2, 0.0, std::max(0.0, this->width() - width));
        painter.drawText(QPointF(left, baseline), text);
    }
}

void BarChart::paintBars(QPainter& painter, const ChartScale& chart) const
{
    double below = 0;
    const QString* day = nullptr;
    for (const Segment& segment : m_model.segments()) {
        if (!day || segment.day != *day) {
            day = &segment.day;
            below = 0;
        }
        const QRectF rect = pieceRect(chart, segment.date, below, segment.seconds);
        below += segment.seconds;
        QColor color = segment.color.resolved(palette());
        color.setAlphaF(color.alphaF() * static_cast<float>(drawnOpacity(segment)));
        const double radius = std::min({cornerRadius, rect.width() / 2, rect.height() / 2});
        QPainterPath path;
        path.addRoundedRect(rect, radius, radius);
        painter.fillPath(path, color);
    }
}

void BarChart::paintAverage(QPainter& painter, const ChartScale& chart) const
{
    if (!(m_average > 0))
        return;
    const QRectF plot = chart.plot();
    const double y = chart.y(m_average / 3600);
    QPen pen(Theme::secondary(palette()), 1);
    pen.setDashPattern({3, 3});
    painter.setPen(pen);
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    const QFont font = Theme::font(TextStyle::caption2);
    painter.setFont(font);
    painter.setPen(Theme::secondary(palette()));
    //: Labels the chart's dashed line at the daily average, in small print: keep it as short as this
    painter.drawText(QPointF(plot.left(), y - 2 - QFontMetricsF(font).descent()), tr("avg"));
}

void BarChart::paintHoverLabel(QPainter& painter, const ChartScale& chart) const
{
    const std::optional<QString>& day = m_model.hoveredDay();
    const std::optional<double> seconds = day ? m_model.hoverSeconds(*day) : std::nullopt;
    if (!seconds)
        return;
    const DayUsage* usage = m_model.dayUsage(*day);
    const QFont timeFont = Theme::font(TextStyle::caption, QFont::Medium);
    const QFont nameFont = Theme::font(TextStyle::caption);
    const QString time = DurationText::string(*seconds);
    const std::optional<Segment>& segment = m_model.hoveredSegment();
    const QString name = segment ? QStringLiteral("  ") + segment->name : QString();
    const double timeWidth = Theme::monospacedDigitsSize(timeFont, time).width();
    const double width = timeWidth + QFontMetricsF(nameFont).horizontalAdvance(name);
    const double centre = (chart.x(usage->date) + chart.x(usage->date.addSecs(86400))) / 2;
    // Centred over the bar, but kept inside the chart's width.
    const double left = std::clamp(centre - width / 2, 0.0, std::max(0.0, this->width() - width));
    const double baseline = chart.plot().top() - 2 - QFontMetricsF(timeFont).descent();
    painter.setPen(Theme::primary(palette()));
    Theme::drawMonospacedDigits(painter, QPointF(left, baseline), timeFont, time);
    if (!name.isEmpty()) {
        painter.setFont(nameFont);
        painter.setPen(Theme::secondary(palette()));
        painter.drawText(QPointF(left + timeWidth, baseline), name);
    }
}
