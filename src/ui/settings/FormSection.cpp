// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormSection.h"

#include "Theme.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr qreal panelRadius = 8;

// The rounded panel behind a section's rows, with hairlines between visible rows.
class Panel : public QWidget
{
public:
    explicit Panel(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), panelRadius, panelRadius);
        painter.fillPath(shape, Theme::primary(palette(), 0.04));
        painter.setPen(QPen(Theme::primary(palette(), 0.1), 1));
        painter.drawPath(shape);
        bool first = true;
        for (QObject* child : children()) {
            auto* row = qobject_cast<QWidget*>(child);
            if (!row || row->isHidden())
                continue;
            if (!first)
                painter.drawLine(QPointF(12, row->y() + 0.5), QPointF(width() - 12, row->y() + 0.5));
            first = false;
        }
    }
};

// A click on a row's label presses the row's check box, as a click on a check box's own text would.
class LabelClick final : public QObject
{
public:
    LabelClick(QLabel* label, QAbstractButton* button) : QObject(label), m_button(button)
    {
        label->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_button->isEnabled()) {
            m_button->setFocus(Qt::MouseFocusReason);
            m_button->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* m_button;
};

QLabel* secondaryLabel(const QString& text, TextStyle style, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Theme::font(style));
    label->setWordWrap(true);
    Theme::useSecondaryText(label);
    return label;
}

} // namespace

FormSection::FormSection(const QString& header, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    if (!header.isEmpty()) {
        m_header = new QLabel(header, this);
        m_header->setFont(Theme::font(TextStyle::headline));
        m_header->setContentsMargins(10, 0, 0, 0);
        layout->addWidget(m_header);
    }
    m_panel = new Panel(this);
    m_rows = new QVBoxLayout(m_panel);
    m_rows->setContentsMargins(0, 2, 0, 2);
    m_rows->setSpacing(0);
    layout->addWidget(m_panel);
}

QVBoxLayout* FormSection::pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setSpacing(18);
    return layout;
}

QPushButton* FormSection::rowButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}

QWidget* FormSection::addRow(const QString& label, QWidget* control)
{
    auto* text = new QLabel(label, m_panel);
    text->setFont(Theme::font(TextStyle::body));
    text->setWordWrap(true); // a long translation takes two lines rather than widen the window
    return wrap(text, control);
}

QWidget* FormSection::addRow(QLabel** label, QWidget* control)
{
    *label = new QLabel(m_panel);
    (*label)->setFont(Theme::font(TextStyle::body));
    (*label)->setWordWrap(true);
    return wrap(*label, control);
}

QWidget* FormSection::addWidget(QWidget* widget)
{
    return wrap(widget, nullptr);
}

QWidget* FormSection::wrap(QWidget* left, QWidget* control)
{
    auto* row = new QWidget(m_panel);
    row->setMinimumHeight(rowHeight);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(12, 4, 12, 4);
    layout->setSpacing(12);
    left->setParent(row);
    layout->addWidget(left, 1);
    if (control) {
        control->setParent(row);
        layout->addWidget(control, 0, Qt::AlignRight | Qt::AlignVCenter);
        if (auto* label = qobject_cast<QLabel*>(left)) {
            label->setBuddy(control); // the label names the control to assistive technology
            if (auto* button = qobject_cast<QAbstractButton*>(control); button && button->isCheckable())
                new LabelClick(label, button);
        }
    }
    m_rows->addWidget(row);
    return row;
}

void FormSection::setFooter(const QString& text)
{
    if (!m_footer) {
        m_footer = secondaryLabel(text, TextStyle::footnote, this);
        m_footer->setContentsMargins(10, 0, 10, 0);
        layout()->addWidget(m_footer);
    }
    m_footer->setText(text);
}
