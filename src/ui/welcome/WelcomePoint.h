// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WelcomeSymbols.h"

#include <QWidget>

class QLabel;
class QVBoxLayout;

// One of the welcome window's points: a symbol in the accent colour, a title and what it means.
class WelcomePoint : public QWidget
{
    Q_OBJECT
public:
    static constexpr qreal symbolSize = 22;
    static constexpr int symbolColumn = 32;

    WelcomePoint(WelcomeSymbols::Symbol symbol, const QString& title, const QString& detail, QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }
    QLabel* detailLabel() const { return m_detail; }
    // The column under the title, where more can follow the detail.
    QVBoxLayout* textColumn() const { return m_column; }

    // A wrapping label in the secondary style, as the details are written.
    static QLabel* secondaryLabel(const QString& text, QWidget* parent);
    // Gives the label the secondary text colour of the palette; again whenever the palette changes.
    static void applySecondary(QLabel* label, const QPalette& palette);

protected:
    void changeEvent(QEvent* event) override;

private:
    void paintSymbol();

    WelcomeSymbols::Symbol m_symbol;
    QLabel* m_symbolLabel = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_detail = nullptr;
    QVBoxLayout* m_column = nullptr;
};
