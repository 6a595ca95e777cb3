// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ItemList.h"

#include "AccessibleParts.h"
#include "CommandTitles.h"
#include "ItemRow.h"
#include "PointerTracker.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// Rows made beyond the bottom of the view, so a short scroll shows finished rows.
constexpr int rowsAhead = 2;

} // namespace

ItemList::ItemList(Icons& icons, QWidget* parent) : QWidget(parent), m_icons(icons)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(false);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the rows take the focus, not the frame around them
    m_scroll->viewport()->setAutoFillBackground(false);
    m_canvas = new QWidget;
    m_canvas->setAutoFillBackground(false);
    AccessibleParts::install();
    m_canvas->setProperty(AccessibleParts::roleProperty, QAccessible::List);
    m_canvas->setAccessibleName(tr("Apps and websites"));
    m_scroll->setWidget(m_canvas);
    layout->addWidget(m_scroll);

    m_scroll->viewport()->installEventFilter(this);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &ItemList::makeVisibleRows);
}

ItemList::~ItemList()
{
    // Rows report the pointer leaving as they go; nothing is left to hear it.
    for (PointerTracker* tracker : std::as_const(m_trackers))
        disconnect(tracker, nullptr, this, nullptr);
}

void ItemList::setItems(const QList<UsageItem>& items, const QHash<ItemKey, AdaptiveColor>& colors,
                        const LimitMarks& limits)
{
    m_items = items;
    m_colors = colors;
    m_limits = limits;
    while (m_rows.size() > m_items.size()) {
        ItemRow* row = m_rows.takeLast();
        if (!row)
            continue;
        // A row going away reports the pointer leaving; its item is already gone from the list.
        auto* tracker = row->findChild<PointerTracker*>(QString(), Qt::FindDirectChildrenOnly);
        disconnect(tracker, nullptr, this, nullptr);
        m_trackers.removeOne(tracker);
        delete row;
    }
    m_rows.resize(m_items.size(), nullptr);
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i])
            m_rows[i]->setItem(m_items[i], swatchOf(m_items[i].key), limitOf(m_items[i].key));
    setCurrent(std::clamp<int>(m_current, 0, std::max<int>(0, static_cast<int>(m_items.size()) - 1)));

    if (m_hovered && !contains(*m_hovered))
        setHovered(std::nullopt);
    updateRowStates();
    placeRows();
}

void ItemList::setHighlighted(const std::optional<ItemKey>& key)
{
    if (key == m_highlighted)
        return;
    m_highlighted = key;
    updateRowStates();
}

void ItemList::setHovered(const std::optional<ItemKey>& key)
{
    if (key == m_hovered)
        return;
    m_hovered = key;
    updateRowStates();
    emit hoveredChanged(m_hovered);
}

void ItemList::setExcludable(bool excludable)
{
    m_excludable = excludable;
}

ItemRow* ItemList::row(int index) const
{
    return index >= 0 && index < m_rows.size() ? m_rows[index] : nullptr;
}

QString ItemList::excludeTitle(const QString& name)
{
    //: A row's menu entry; %1 is the app's or website's name
    return tr("Don’t Track “%1”").arg(name);
}

void ItemList::reloadIcons(const QString& host)
{
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i] && m_items[i].key == ItemKey{ItemKind::site, host})
            m_rows[i]->reloadIcon();
}

bool ItemList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize)
        placeRows();
    auto* row = qobject_cast<ItemRow*>(watched);
    if (row && event->type() == QEvent::FocusIn)
        setCurrent(static_cast<int>(m_rows.indexOf(row)));
    if (row && event->type() == QEvent::KeyPress && rowKeyPressed(row, *static_cast<QKeyEvent*>(event)))
        return true;
    // The windowing system may turn the Menu key into a context menu request of its own.
    if (row && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showMenu(row, QPoint(ItemRow::padding, rowHeight / 2), true);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ItemList::rowKeyPressed(ItemRow* row, const QKeyEvent& event)
{
    const bool menuKey =
        event.key() == Qt::Key_Menu || (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        showMenu(row, QPoint(ItemRow::padding, rowHeight / 2), true);
        return true;
    }
    const int index = static_cast<int>(m_rows.indexOf(row));
    const int last = static_cast<int>(m_rows.size()) - 1;
    const int page = std::max(1, m_scroll->viewport()->height() / rowHeight);
    int next = -1;
    switch (event.key()) {
    case Qt::Key_Down:
        next = std::min(index + 1, last);
        break;
    case Qt::Key_Up:
        next = std::max(index - 1, 0);
        break;
    case Qt::Key_PageDown:
        next = std::min(index + page, last);
        break;
    case Qt::Key_PageUp:
        next = std::max(index - page, 0);
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = last;
        break;
    default:
        return false;
    }
    focusRow(next);
    return true;
}

void ItemList::focusRow(int index)
{
    // The row may not have been made yet: scrolling it into view makes it.
    m_scroll->ensureVisible(0, index * rowHeight + rowHeight / 2, 0, rowHeight / 2);
    makeVisibleRows();
    setCurrent(index);
    if (ItemRow* target = row(index))
        target->setFocus(Qt::OtherFocusReason);
}

void ItemList::setCurrent(int index)
{
    // Only the current row is a Tab stop, so Tab passes the list in one step.
    m_current = index;
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i])
            m_rows[i]->setFocusPolicy(i == m_current ? Qt::TabFocus : Qt::NoFocus);
}

void ItemList::placeRows()
{
    const int width = m_scroll->viewport()->width();
    m_canvas->resize(width, static_cast<int>(m_items.size()) * rowHeight);
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        if (m_rows[i])
            m_rows[i]->setGeometry(0, static_cast<int>(i) * rowHeight, width, rowHeight);
    makeVisibleRows();
}

void ItemList::makeVisibleRows()
{
    const int top = m_scroll->verticalScrollBar()->value();
    const int bottom = top + std::max(m_scroll->viewport()->height(), height());
    const qsizetype first = std::max(0, top / rowHeight);
    const qsizetype last = std::min<qsizetype>(m_items.size() - 1, bottom / rowHeight + rowsAhead);
    const int width = m_scroll->viewport()->width();
    for (qsizetype i = first; i <= last; ++i) {
        if (m_rows[i])
            continue;
        auto* row = new ItemRow(m_icons, m_canvas);
        row->setItem(m_items[i], swatchOf(m_items[i].key), limitOf(m_items[i].key));
        row->setHovered(isRowHovered(m_items[i].key));
        row->setGeometry(0, static_cast<int>(i) * rowHeight, width, rowHeight);
        row->setFocusPolicy(i == m_current ? Qt::TabFocus : Qt::NoFocus);
        row->installEventFilter(this);
        row->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(row, &QWidget::customContextMenuRequested, this,
                [this, row](const QPoint& position) { showMenu(row, position, false); });
        auto* tracker = new PointerTracker(row);
        connect(tracker, &PointerTracker::moved, this,
                [this, row](const std::optional<QPointF>& location) { pointerMoved(row, location.has_value()); });
        m_trackers.append(tracker);
        m_rows[i] = row;
        row->show();
    }
}

void ItemList::pointerMoved(ItemRow* row, bool inside)
{
    // Leaving one row and entering the next may be reported in either order; each report only touches its own
    // row's key, so the shared value ends on the row the pointer is in.
    const ItemKey& key = row->item().key;
    if (inside && m_hovered != key)
        setHovered(key);
    else if (!inside && m_hovered == key)
        setHovered(std::nullopt);
}

void ItemList::showMenu(ItemRow* row, const QPoint& position, bool byKeyboard)
{
    // The Menu key may come both as a key and as a context menu request: one menu answers both.
    if (!m_excludable || m_menu)
        return;
    auto* menu = new QMenu(this);
    m_menu = menu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const UsageItem item = row->item();
    QAction* exclude = menu->addAction(excludeTitle(item.name));
    connect(exclude, &QAction::triggered, this, [this, item] { emit excludeRequested(item); });
    menu->addSeparator();
    const bool limited = m_limits.contains(item.key);
    QAction* limit = menu->addAction(limited ? CommandTitles::changeDailyLimit() : CommandTitles::setDailyLimit());
    connect(limit, &QAction::triggered, this, [this, item] { emit limitRequested(item); });
    if (limited) {
        QAction* remove = menu->addAction(CommandTitles::removeDailyLimit());
        connect(remove, &QAction::triggered, this, [this, item] { emit limitRemovalRequested(item); });
    }
    // From the keyboard the entry is highlighted, so Return chooses it.
    menu->popup(row->mapToGlobal(position), byKeyboard ? exclude : nullptr);
    if (byKeyboard)
        menu->setActiveAction(exclude);
}

bool ItemList::isRowHovered(const ItemKey& key) const
{
    return m_hovered == key || m_highlighted == key;
}

bool ItemList::contains(const ItemKey& key) const
{
    return std::any_of(m_items.cbegin(), m_items.cend(), [&key](const UsageItem& item) { return item.key == key; });
}

std::optional<AdaptiveColor> ItemList::swatchOf(const ItemKey& key) const
{
    const auto it = m_colors.constFind(key);
    return it == m_colors.constEnd() ? std::nullopt : std::optional<AdaptiveColor>(*it);
}

std::optional<LimitMark> ItemList::limitOf(const ItemKey& key) const
{
    const auto it = m_limits.constFind(key);
    return it == m_limits.constEnd() ? std::nullopt : std::optional<LimitMark>(*it);
}

void ItemList::updateRowStates()
{
    for (ItemRow* row : std::as_const(m_rows))
        if (row)
            row->setHovered(isRowHovered(row->item().key));
}
