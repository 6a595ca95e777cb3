// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Headline.h"

#include "DigitsLabel.h"
#include "DurationText.h"
#include "Theme.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The headline moves with the chosen day: response 0.25 s, damping 0.85.
constexpr SpringParameters swapSpring{0.25, 0.85};

QLabel* headlineLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // the title may be an item's name, which other programs chose
    label->setFont(Theme::font(TextStyle::headline));
    Theme::useSecondaryText(label);
    return label;
}

} // namespace

Headline::Headline(QWidget* parent) : QWidget(parent), m_driver([this](double seconds) { return step(seconds); }, this)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    m_title = headlineLabel(QString(), this);
    m_total = new DigitsLabel(Theme::systemFont(Theme::scaled(30), QFont::DemiBold), this);
    left->addWidget(m_title, 0, Qt::AlignLeft);
    left->addWidget(m_total, 0, Qt::AlignLeft);
    row->addLayout(left);
    row->addStretch(1);

    // The average and the button share one place and fade into each other.
    auto* right = new QWidget(this);
    auto* stack = new QStackedLayout(right);
    stack->setStackingMode(QStackedLayout::StackAll);
    m_averageColumn = new QWidget(right);
    auto* averageLayout = new QVBoxLayout(m_averageColumn);
    averageLayout->setContentsMargins(0, 0, 0, 0);
    averageLayout->setSpacing(2);
    averageLayout->addStretch(1);
    m_averageTitle = headlineLabel(tr("Daily Average"), m_averageColumn);
    averageLayout->addWidget(m_averageTitle, 0, Qt::AlignRight);
    m_average = new DigitsLabel(Theme::font(TextStyle::title2, QFont::Medium), m_averageColumn);
    m_average->setAlignment(Qt::AlignRight);
    averageLayout->addWidget(m_average, 0, Qt::AlignRight);

    m_buttonPage = new QWidget(right);
    auto* buttonLayout = new QVBoxLayout(m_buttonPage);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->addStretch(1);
    m_showAll = new QPushButton(tr("Show All Days"), m_buttonPage);
    buttonLayout->addWidget(m_showAll, 0, Qt::AlignRight);

    stack->addWidget(m_averageColumn);
    stack->addWidget(m_buttonPage);
    for (QWidget* page : {m_averageColumn, m_buttonPage}) {
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true); // laid out while hidden, so it comes back in its place
        page->setSizePolicy(policy);
    }
    m_averageFade = new QGraphicsOpacityEffect(m_averageColumn);
    m_averageColumn->setGraphicsEffect(m_averageFade);
    m_buttonFade = new QGraphicsOpacityEffect(m_buttonPage);
    m_buttonPage->setGraphicsEffect(m_buttonFade);
    row->addWidget(right, 0, Qt::AlignBottom);
    connect(m_showAll, &QPushButton::clicked, this, &Headline::showAllDaysRequested);
    connect(&m_driver, &SpringDriver::advanced, this, &Headline::applySwap);
    applySwap();
}

void Headline::showPeriod(const QString& title, double total, double average, bool animated)
{
    m_title->setText(title);
    m_total->setText(DurationText::string(total), animated);
    m_average->setText(DurationText::string(average));
    showButton(false, animated);
}

void Headline::showDay(const QString& title, double total, bool animated)
{
    m_title->setText(title);
    m_total->setText(DurationText::string(total), animated);
    showButton(true, animated);
}

void Headline::showButton(bool button, bool animated)
{
    const double target = button ? 1 : 0;
    if (animated && isVisible()) {
        m_swap.target = target;
        m_driver.start();
    } else {
        m_swap.snap(target);
        m_driver.stop();
    }
    applySwap();
}

bool Headline::step(double seconds)
{
    m_swap.advance(seconds, swapSpring);
    return m_swap.isSettled();
}

void Headline::applySwap()
{
    const double shown = std::clamp(m_swap.value, 0.0, 1.0);
    m_averageFade->setOpacity(1 - shown);
    m_buttonFade->setOpacity(shown);
    // A side that has faded out entirely takes no clicks and no keyboard focus.
    m_averageColumn->setVisible(shown < 1);
    m_buttonPage->setVisible(shown > 0);
}

double Headline::buttonOpacity() const
{
    return m_buttonPage->isVisibleTo(this) ? m_buttonFade->opacity() : 0;
}

QString Headline::title() const
{
    return m_title->text();
}

QString Headline::total() const
{
    return m_total->text();
}

bool Headline::totalIsRolling() const
{
    return m_total->isRolling();
}

std::optional<QString> Headline::average() const
{
    if (m_swap.target == 1)
        return std::nullopt;
    return m_average->text();
}
