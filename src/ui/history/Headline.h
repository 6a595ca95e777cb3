// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Spring.h"

#include <QWidget>
#include <optional>

class DigitsLabel;
class QGraphicsOpacityEffect;
class QLabel;
class QPushButton;

// The line above the chart: what is shown and its total on the left; the daily average on the right, or,
// while one day is chosen, the button that goes back to all days.
class Headline : public QWidget
{
    Q_OBJECT
public:
    explicit Headline(QWidget* parent = nullptr);

    // The whole period: its title ("Last 7 Days"), the range's total and the daily average. An animated
    // change (choosing a day or going back to all) rolls the total and fades the average and the button into
    // each other; new data and other periods change at once.
    void showPeriod(const QString& title, double total, double average, bool animated = false);
    // One chosen day: its title and total.
    void showDay(const QString& title, double total, bool animated = false);

    QString title() const;
    QString total() const;
    // Whether the total is rolling from its previous value.
    bool totalIsRolling() const;
    // Whether the average and the "Show All Days" button are still fading into each other.
    bool rightSideIsMoving() const { return m_driver.isRunning(); }
    // How much of the button shows, 0 (the average alone) to 1 (the button alone).
    double buttonOpacity() const;
    // The daily average's text, none while a day is chosen.
    std::optional<QString> average() const;
    QPushButton* showAllDaysButton() const { return m_showAll; }

signals:
    void showAllDaysRequested();

private:
    // Moves the right side towards the button (true) or the average (false).
    void showButton(bool button, bool animated);
    bool step(double seconds);
    void applySwap();

    QLabel* m_title = nullptr;
    QLabel* m_averageTitle = nullptr;
    DigitsLabel* m_total = nullptr;
    QWidget* m_averageColumn = nullptr;
    DigitsLabel* m_average = nullptr;
    QWidget* m_buttonPage = nullptr;
    QPushButton* m_showAll = nullptr;
    QGraphicsOpacityEffect* m_averageFade = nullptr;
    QGraphicsOpacityEffect* m_buttonFade = nullptr;
    SpringValue m_swap; // 0: the average shows, 1: the button
    SpringDriver m_driver;
};
