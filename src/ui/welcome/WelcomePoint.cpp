// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WelcomePoint.h"

#include "Theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

WelcomePoint::WelcomePoint(WelcomeSymbols::Symbol symbol, const QString& title, const QString& detail, QWidget* parent)
    : QWidget(parent), m_symbol(symbol)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);

    m_symbolLabel = new QLabel(this);
    m_symbolLabel->setFixedWidth(symbolColumn);
    m_symbolLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paintSymbol();
    row->addWidget(m_symbolLabel, 0, Qt::AlignTop);

    m_column = new QVBoxLayout;
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(4);
    m_title = new QLabel(title, this);
    m_title->setFont(Theme::font(TextStyle::headline));
    m_column->addWidget(m_title);
    m_detail = secondaryLabel(detail, this);
    m_column->addWidget(m_detail);
    row->addLayout(m_column, 1);
}

QLabel* WelcomePoint::secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(Theme::font(TextStyle::body));
    applySecondary(label, parent->palette());
    return label;
}

void WelcomePoint::applySecondary(QLabel* label, const QPalette& palette)
{
    QPalette secondary = label->palette();
    secondary.setColor(QPalette::WindowText, Theme::secondary(palette));
    label->setPalette(secondary);
}

void WelcomePoint::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        paintSymbol(); // the accent and grey follow the desktop's palette
        applySecondary(m_detail, palette());
    }
    QWidget::changeEvent(event);
}

void WelcomePoint::paintSymbol()
{
    const QColor accent = palette().color(QPalette::Highlight);
    m_symbolLabel->setPixmap(WelcomeSymbols::pixmap(m_symbol, symbolSize, accent, devicePixelRatioF()));
}
