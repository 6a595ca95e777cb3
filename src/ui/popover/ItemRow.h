// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LimitMarks.h"
#include "Palette.h"
#include "UsageItem.h"

#include <QPixmap>
#include <QWidget>
#include <optional>

class Icons;

// One line of the item list: colour swatch, icon, name and duration, on a rounded background while hovered
// or focused; a list item to assistive technology, named with the item and its time.
class ItemRow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int padding = 8;
    static constexpr int spacing = 8;
    static constexpr int swatchSize = 8;
    static constexpr qreal cornerRadius = 8;

    explicit ItemRow(Icons& icons, QWidget* parent = nullptr);

    // swatch none: the item shares the remainder's grey; limit none: the item has no daily limit.
    void setItem(const UsageItem& item, const std::optional<AdaptiveColor>& swatch,
                 const std::optional<LimitMark>& limit = std::nullopt);
    const UsageItem& item() const { return m_item; }
    const std::optional<AdaptiveColor>& swatch() const { return m_swatch; }
    const std::optional<LimitMark>& limit() const { return m_limit; }
    // The time at the row's end: "1h 32m", against a limit on one day "1h 32m of 1h", over several days the days
    // over it ("5h 10m, 2 days over").
    static QString timeText(double seconds, const std::optional<LimitMark>& limit);
    // The row as a screen reader names it.
    static QString spokenText(const QString& name, double seconds, const std::optional<LimitMark>& limit);
    void setHovered(bool hovered);
    bool isHovered() const { return m_hovered; }
    // Draws the icon again, for a favicon that has just arrived.
    void reloadIcon();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Icons& m_icons;
    UsageItem m_item;
    std::optional<AdaptiveColor> m_swatch;
    std::optional<LimitMark> m_limit;
    bool m_hovered = false;
    QString m_duration;
    QPixmap m_icon; // drawn on first paint
};
