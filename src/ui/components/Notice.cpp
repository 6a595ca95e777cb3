// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notice.h"

#include "Theme.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Notice::Notice(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 4);
    layout->setSpacing(8);

    m_label = new QLabel(this);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setFont(Theme::font(TextStyle::callout));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyTextColor();
    m_label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    layout->addWidget(m_label);

    m_button = new QPushButton(this);
    layout->addWidget(m_button, 0, Qt::AlignLeft);
    connect(m_button, &QPushButton::clicked, this, &Notice::buttonClicked);
    hide();
}

void Notice::setNotice(const QString& text, const QString& buttonTitle)
{
    m_label->setText(text);
    m_button->setText(buttonTitle);
    m_button->setVisible(!buttonTitle.isEmpty());
    setVisible(!text.isEmpty());
}

void Notice::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyTextColor(); // light and dark desktops have their own secondary grey
    QWidget::changeEvent(event);
}

void Notice::applyTextColor()
{
    QPalette secondary = m_label->palette();
    secondary.setColor(QPalette::WindowText, Theme::secondary(palette()));
    m_label->setPalette(secondary);
}
