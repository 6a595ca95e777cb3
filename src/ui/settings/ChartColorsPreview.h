// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Palette.h"
#include "Spring.h"
#include "TrayIcon.h"

#include <QList>
#include <QWidget>
#include <array>

// What the ring and the tray icon look like with a number of colours, on a fixed sample day:
// a small ring chart beside the tray image. Changes of the number animate with a spring.
class ChartColorsPreview : public QWidget
{
    Q_OBJECT
public:
    // One sector of the sample ring; id −1 is the grey rest.
    struct Piece
    {
        int id = 0;
        double share = 0; // percent
        AdaptiveColor color;
        bool operator==(const Piece&) const = default;
    };

    // The sample day's shares in percent, largest first (together 96).
    static constexpr std::array<int, 8> sampleShares{26, 18, 14, 11, 9, 7, 6, 5};
    static constexpr int ringSide = 52;
    static constexpr QSize iconBox{44, 24};
    static constexpr int spacing = 18;

    explicit ChartColorsPreview(int count, QWidget* parent = nullptr);

    // The first `count` sample shares in the palette's colours, then the grey rest.
    static QList<Piece> pieces(int count);

    int count() const { return m_count; }
    void setCount(int count);
    // The shares as drawn right now, by piece id 0…7 and then the rest; equal to pieces() once settled.
    QList<double> drawnShares() const;
    bool isAnimating() const { return m_driver.isRunning(); }

    QWidget* ring() const { return m_ring; }
    QWidget* trayIcon() const { return m_icon; }

private:
    void paintRing(QPainter& painter) const;
    void paintIcon(QPainter& painter) const;
    void describe();

    int m_count = 8;
    std::array<SpringValue, 9> m_shares; // eight colours, then the rest
    SpringDriver m_driver;
    QWidget* m_ring = nullptr;
    QWidget* m_icon = nullptr;
    mutable TrayIcon::ImageCache m_iconCache; // its own, so the tray's image stays cached too
};
