// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ItemKey.h"
#include "LimitMarks.h"
#include "Palette.h"
#include "UsageItem.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <optional>

class Icons;
class ItemRow;
class PointerTracker;
class QKeyEvent;
class QMenu;
class QScrollArea;

// A scrolling list of items, one 32-point row each, with colour swatches, icons and durations. Rows are
// made only as they scroll into view. Hovering a row reports its key; a right click, or the Menu key on the
// focused row, offers to stop tracking the item and to set, change or remove its daily limit. Tab reaches one row
// and the arrows move between rows.
class ItemList : public QWidget
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 32;

    ItemList(Icons& icons, QWidget* parent = nullptr);
    ~ItemList() override;

    // limits: the marks of the limited items; the rows show them and the menu offers to change or remove them.
    void setItems(const QList<UsageItem>& items, const QHash<ItemKey, AdaptiveColor>& colors,
                  const LimitMarks& limits = {});
    const LimitMarks& limits() const { return m_limits; }
    const QList<UsageItem>& items() const { return m_items; }
    // The item the owner points at from elsewhere (the ring); its row shows as hovered.
    void setHighlighted(const std::optional<ItemKey>& key);
    std::optional<ItemKey> highlighted() const { return m_highlighted; }
    // The item whose row is under the pointer; shared with the owner, announced on every change.
    void setHovered(const std::optional<ItemKey>& key);
    std::optional<ItemKey> hovered() const { return m_hovered; }
    // Whether rows offer "Don’t Track “…”" and the daily limit's commands.
    void setExcludable(bool excludable);

    // The row showing the item at index, or null when it has not been made yet (never scrolled into view).
    ItemRow* row(int index) const;
    // The title of the menu entry that stops tracking an item of this name.
    static QString excludeTitle(const QString& name);
    // Draws the icon of the site's row again, for a favicon that has just arrived.
    void reloadIcons(const QString& host);
    QScrollArea* scrollArea() const { return m_scroll; }
    // Scrolls to the row at index, makes it and gives it the keyboard focus.
    void focusRow(int index);

signals:
    void hoveredChanged(const std::optional<ItemKey>& key);
    void excludeRequested(const UsageItem& item);
    // "Set Daily Limit…" or "Change Daily Limit…"; the owner asks for the duration.
    void limitRequested(const UsageItem& item);
    void limitRemovalRequested(const UsageItem& item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeVisibleRows();
    bool rowKeyPressed(ItemRow* row, const QKeyEvent& event);
    void setCurrent(int index);
    void placeRows();
    void pointerMoved(ItemRow* row, bool inside);
    void showMenu(ItemRow* row, const QPoint& position, bool byKeyboard);
    bool isRowHovered(const ItemKey& key) const;
    bool contains(const ItemKey& key) const;
    std::optional<AdaptiveColor> swatchOf(const ItemKey& key) const;
    std::optional<LimitMark> limitOf(const ItemKey& key) const;
    void updateRowStates();

    Icons& m_icons;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_canvas = nullptr;
    QList<UsageItem> m_items;
    QHash<ItemKey, AdaptiveColor> m_colors;
    LimitMarks m_limits;
    QList<ItemRow*> m_rows; // one per item, null until made
    QList<PointerTracker*> m_trackers;
    std::optional<ItemKey> m_hovered;
    std::optional<ItemKey> m_highlighted;
    bool m_excludable = false;
    int m_current = 0;      // the row Tab reaches
    QPointer<QMenu> m_menu; // the open row menu, if any
};

Q_DECLARE_METATYPE(std::optional<ItemKey>)
