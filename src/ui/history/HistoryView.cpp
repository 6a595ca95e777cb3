// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryView.h"

#include "BackupComputers.h"
#include "BarChart.h"
#include "Breakdown.h"
#include "Clock.h"
#include "ComputerSwitch.h"
#include "DailyLimitDialog.h"
#include "DateLabels.h"
#include "Divider.h"
#include "Headline.h"
#include "Icons.h"
#include "ItemList.h"
#include "PeriodPicker.h"
#include "RingView.h"
#include "Settings.h"
#include "Tracker.h"
#include "WriteFailure.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr qreal ringDiameter = 184;
constexpr int toolbarPadding = 10; // above the period picker

// The headline's title for the whole period: "Last 7 Days", but plain "Today" and "Yesterday".
QString periodTitle(Period period)
{
    switch (period) {
    case Period::today:
        return HistoryView::tr("Today", "period");
    case Period::yesterday:
        return HistoryView::tr("Yesterday", "period");
    case Period::week:
        return HistoryView::tr("Last %Ln Days", nullptr, 7);
    case Period::month:
        return HistoryView::tr("Last %Ln Days", nullptr, 30);
    }
    return {};
}

// The content under the toolbar: never smaller than its minimum, nor than what its parts need.
class Content : public QWidget
{
public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override
    {
        return QWidget::minimumSizeHint().expandedTo(HistoryView::minimumContentSize);
    }
};

} // namespace

HistoryView::HistoryView(Tracker& tracker, Icons& icons, Settings& settings, Period period, QWidget* parent)
    : QWidget(parent), m_tracker(tracker), m_icons(icons), m_settings(settings), m_model(period)
{
    m_picker = new PeriodPicker(period, this);
    m_computers = new ComputerSwitch(this);
    m_computers->hide();
    m_headline = new Headline(this);
    m_chart = new BarChart(m_model, this);
    m_ring = new RingView(this);
    m_ring->setDiameter(ringDiameter);
    m_list = new ItemList(icons, this);
    m_list->setExcludable(true);

    // The picker sits in a toolbar row above the content, so the content's own minimum holds the whole ring.
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    auto* toolbar = new QHBoxLayout;
    toolbar->setContentsMargins(24, toolbarPadding, 24, 0);
    toolbar->addStretch();
    toolbar->addWidget(m_picker);
    toolbar->addWidget(m_computers); // beside the periods, when other computers have copies
    toolbar->addStretch();
    window->addLayout(toolbar);
    auto* content = new Content(this);
    window->addWidget(content, 1);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(24, 14, 24, 20);
    column->setSpacing(0);
    column->addWidget(m_headline);
    column->addSpacing(14);
    column->addWidget(m_chart);
    column->addSpacing(18);
    column->addWidget(new Divider(this));
    column->addSpacing(18);
    auto* row = new QHBoxLayout;
    row->setSpacing(28);
    row->addWidget(m_ring, 0, Qt::AlignTop);
    row->addWidget(m_list, 1);
    column->addLayout(row, 1);

    connect(m_picker, &PeriodPicker::periodChosen, this, &HistoryView::setPeriod);
    connect(m_computers, &ComputerSwitch::allComputersChanged, this, [this] {
        if (m_shown)
            reload();
    });
    connect(m_headline, &Headline::showAllDaysRequested, this, [this] {
        m_model.clearSelection();
        selectionChanged();
    });
    connect(m_chart, &BarChart::pointed, this, &HistoryView::chartPointed);
    connect(m_chart, &BarChart::clicked, this, &HistoryView::dayClicked);
    connect(m_ring, &RingView::hovered, this, [this](const std::optional<Focus>& focus) {
        m_ringFocus = focus;
        focusChanged();
    });
    connect(m_list, &ItemList::hoveredChanged, this, [this](const std::optional<ItemKey>& key) {
        m_hoveredRow = key;
        focusChanged();
    });
    connect(m_list, &ItemList::excludeRequested, this, [this](const UsageItem& item) {
        if (!m_tracker.exclude(item))
            WriteFailure::tell(this);
    });
    connect(m_list, &ItemList::limitRequested, this,
            [this](const UsageItem& item) { DailyLimitDialog::ask(m_settings, item.key, item.name, this); });
    connect(m_list, &ItemList::limitRemovalRequested, this,
            [this](const UsageItem& item) { m_settings.removeDailyLimit(rawValue(item.key.kind), item.key.id); });
    connect(&m_tracker, &Tracker::revisionChanged, this, [this] {
        if (m_shown)
            reload();
    });
    connect(&m_settings, &Settings::dailyLimitsChanged, this, [this] { shownChanged(); });
    connect(&m_settings, &Settings::chartColorsChanged, this, [this] {
        if (m_shown)
            updateColors(false);
    });
    connect(&m_icons, &Icons::faviconsChanged, this, [this] {
        if (m_shown)
            updateColors(false); // a new favicon gives its site a hue, which may move the colours
    });
    shownChanged();
}

void HistoryView::setShown(bool visible)
{
    if (visible == m_shown)
        return;
    m_shown = visible;
    if (!visible) {
        // Nothing under a hidden pointer stays highlighted when the window comes back.
        if (m_model.hoveredDay() || m_model.hoveredSegment())
            chartPointed(std::nullopt, std::nullopt);
        return;
    }
    if (m_others) {
        m_others->refresh(); // copies may have arrived while the window was away
        m_computers->setVisible(m_others->hasOthers());
    }
    reload();
    applyPreviewHover();
}

void HistoryView::setOtherComputers(BackupComputers* others)
{
    m_others = others; // the switch appears with the next showing, when the folder is looked at
}

void HistoryView::setPeriod(Period period)
{
    m_picker->setPeriod(period);
    if (period == m_model.period())
        return;
    m_model.setPeriod(period);
    if (m_shown)
        reload();
    selectionChanged();
}

void HistoryView::setPreviewHover(const std::optional<PreviewHover>& hover)
{
    m_previewHover = hover;
    if (m_shown)
        applyPreviewHover();
}

void HistoryView::reload()
{
    QList<DayUsage> days = m_tracker.days(m_model.period());
    if (m_others && m_computers->allComputers() && m_others->hasOthers())
        days = m_others->addedTo(days, m_tracker.excluded());
    updateColors(m_model.reload(days));
}

void HistoryView::applyPreviewHover()
{
    if (m_previewHover && m_model.applyPreviewHover(*m_previewHover)) {
        m_chart->refreshState();
        focusChanged();
    }
}

void HistoryView::updateColors(bool force)
{
    // Colours always come from the whole period, so an item keeps its colour on every day.
    const QHash<ItemKey, AdaptiveColor> colors =
        m_icons.colors(m_model.rangeSummary(), Palette::effectiveColorCount(m_settings.chartColors()));
    if (!force && colors == m_model.colors())
        return;
    m_model.setColors(colors);
    contentChanged();
}

void HistoryView::contentChanged()
{
    m_chart->setContent(m_model.average(m_model.rangeSummary().total));
    shownChanged();
    focusChanged();
}

void HistoryView::shownChanged(bool dayChosen)
{
    const Summary& shown = m_model.shownSummary();
    const LimitMarks limits = limitMarks(m_settings.dailyLimits(), m_model.shownDays());
    const Breakdown breakdown(shown, m_model.colors(), limits);
    if (!(breakdown == m_ring->breakdown()))
        m_ring->setBreakdown(breakdown);
    if (shown.items != m_list->items() || m_model.colors() != m_listColors || limits != m_list->limits()) {
        m_listColors = m_model.colors();
        m_list->setItems(shown.items, m_model.colors(), limits);
    }
    if (const DayUsage* day = m_model.selectedDayUsage()) {
        // Named against the clock's today, not the newest day loaded: after midnight that one is yesterday.
        const Clock& clock = m_tracker.clock();
        const QDate today = clock.now().toTimeZone(clock.timeZone()).date();
        m_headline->showDay(DateLabels::title(day->date.toTimeZone(clock.timeZone()).date(), today), day->summary.total,
                            dayChosen);
    } else {
        m_headline->showPeriod(periodTitle(m_model.period()), m_model.rangeSummary().total,
                               m_model.average(m_model.rangeSummary().total), dayChosen);
    }
}

std::optional<Focus> HistoryView::focus() const
{
    if (const std::optional<Segment>& segment = m_model.hoveredSegment())
        return segment->key ? Focus::item(*segment->key) : Focus::other();
    if (m_hoveredRow)
        return Focus::item(*m_hoveredRow);
    return m_ringFocus;
}

std::optional<QString> HistoryView::focusedSlice() const
{
    return HistoryModel::focusedSlice(focus(), m_model.colors());
}

void HistoryView::focusChanged()
{
    const std::optional<Focus> current = focus();
    m_ring->setImposedFocus(current);
    m_list->setHighlighted(current && current->kind == Focus::Kind::item ? std::optional(current->key) : std::nullopt);
    m_chart->setFocusedSlice(HistoryModel::focusedSlice(current, m_model.colors()));
}

void HistoryView::chartPointed(const std::optional<QString>& day, const std::optional<Segment>& segment)
{
    if (!m_model.setHover(day, segment))
        return;
    m_chart->refreshState();
    focusChanged();
}

void HistoryView::dayClicked(const std::optional<QString>& day)
{
    if (m_model.click(day))
        selectionChanged();
}

void HistoryView::selectionChanged()
{
    shownChanged(true);
    m_chart->refreshState();
    focusChanged();
}
