#include "Headline.h"

#include "DigitsLabel.h"
#include "DurationText.h"
#include "Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText); // the title may be an item's name, which other programs chose
    label->setFont(Theme::font(TextStyle::headline));
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, Theme::secondary(colors));
    label->setPalette(colors);
    return label;
}

} // namespace

Headline::Headline(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    m_title = secondaryLabel(QString(), this);
    m_total = new DigitsLabel(Theme::systemFont(30, QFont::DemiBold), this);
    left->addWidget(m_title, 0, Qt::AlignLeft);
    left->addWidget(m_total, 0, Qt::AlignLeft);
    row->addLayout(left);
    row->addStretch(1);

    m_right = new QStackedWidget(this);
    m_averageColumn = new QWidget(m_right);
    auto* averageLayout = new QVBoxLayout(m_averageColumn);
    averageLayout->setContentsMargins(0, 0, 0, 0);
    averageLayout->setSpacing(2);
    averageLayout->addStretch(1);
    averageLayout->addWidget(secondaryLabel(QStringLiteral("Daily Average"), m_averageColumn), 0, Qt::AlignRight);
    m_average = new DigitsLabel(Theme::font(TextStyle::title2, QFont::Medium), m_averageColumn);
    m_average->setAlignment(Qt::AlignRight);
    averageLayout->addWidget(m_average, 0, Qt::AlignRight);

    auto* buttonPage = new QWidget(m_right);
    auto* buttonLayout = new QVBoxLayout(buttonPage);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->addStretch(1);
    m_showAll = new QPushButton(QStringLiteral("Show All Days"), buttonPage);
    buttonLayout->addWidget(m_showAll, 0, Qt::AlignRight);

    m_right->addWidget(m_averageColumn);
    m_right->addWidget(buttonPage);
    row->addWidget(m_right, 0, Qt::AlignBottom);
    connect(m_showAll, &QPushButton::clicked, this, &Headline::showAllDaysRequested);
}

void Headline::showPeriod(const QString& title, double total, double average, bool animated)
{
    m_title->setText(title);
    m_total->setText(DurationText::string(total), animated);
    m_average->setText(DurationText::string(average));
    m_right->setCurrentWidget(m_averageColumn);
}

void Headline::showDay(const QString& title, double total, bool animated)
{
    m_title->setText(title);
    m_total->setText(DurationText::string(total), animated);
    m_right->setCurrentWidget(m_showAll->parentWidget());
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
    if (m_right->currentWidget() != m_averageColumn)
        return std::nullopt;
    return m_average->text();
}
