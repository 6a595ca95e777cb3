// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ListedItems.h"

#include "Icons.h"
#include "ItemIcon.h"
#include "Site.h"
#include "Theme.h"

#include <QCollator>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int iconSide = 20;

// A site reads in its own letters; its id stays the ASCII form it was recorded under. Without a name, the id.
QString shownName(const ItemKey& key, const QString& name)
{
    const QString shown = name.isEmpty() ? key.id : name;
    return key.kind == ItemKind::site ? Site::displayHost(shown) : shown;
}

} // namespace

ListedItems::ListedItems(Icons& icons, const QString& emptyText, QWidget* parent) : QWidget(parent), m_icons(icons)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_empty = new QLabel(emptyText, this);
    m_empty->setFont(Theme::font(TextStyle::body));
    m_empty->setWordWrap(true);
    Theme::useSecondaryText(m_empty);
    layout->addWidget(m_empty);

    connect(&m_icons, &Icons::faviconsChanged, this, [this](const QString& host) {
        for (const Row& row : std::as_const(m_rows))
            if (row.key == ItemKey{ItemKind::site, host})
                paintIcon(row);
    });
}

void ListedItems::afterClick(QPushButton* button, QObject* context, std::function<void()> action)
{
    QObject::connect(button, &QPushButton::clicked, context, [context, action = std::move(action)] {
        QMetaObject::invokeMethod(context, action, Qt::QueuedConnection);
    });
}

void ListedItems::setItems(const QHash<ItemKey, QString>& items, const ButtonMaker& makeButtons)
{
    for (const Row& row : std::as_const(m_rows))
        delete row.widget;
    m_rows.clear();

    for (auto it = items.cbegin(); it != items.cend(); ++it)
        m_rows.append(Row{it.key(), shownName(it.key(), it.value())});
    // By name as people read them, case aside and numbers by value; equal names keep a fixed order between rebuilds.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(m_rows.begin(), m_rows.end(), [&collator](const Row& a, const Row& b) {
        const int order = collator.compare(a.name, b.name);
        return order != 0 ? order < 0 : a.key.id < b.key.id;
    });

    for (Row& row : m_rows) {
        makeRow(row, makeButtons);
        layout()->addWidget(row.widget);
    }
    m_empty->setVisible(m_rows.isEmpty());
}

void ListedItems::makeRow(Row& row, const ButtonMaker& makeButtons)
{
    row.widget = new QWidget(this);
    auto* line = new QHBoxLayout(row.widget);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    row.icon = new QLabel(row.widget);
    row.icon->setFixedSize(iconSide, iconSide);
    line->addWidget(row.icon);
    auto* label = new QLabel(row.name, row.widget);
    label->setFont(Theme::font(TextStyle::body));
    label->setTextFormat(Qt::PlainText);
    line->addWidget(label, 1);
    row.buttons = makeButtons(row.key, row.name, row.widget);
    for (QPushButton* button : std::as_const(row.buttons)) {
        button->setFont(Theme::font(TextStyle::callout));
        line->addWidget(button);
    }
    paintIcon(row);
}

void ListedItems::paintIcon(const Row& row)
{
    const qreal ratio = row.icon->devicePixelRatioF();
    QPixmap image = ItemIcon::render(m_icons, row.key, row.icon->palette(), ratio)
                        .scaled(QSize(iconSide, iconSide) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    row.icon->setPixmap(image);
}

QStringList ListedItems::names() const
{
    QStringList names;
    for (const Row& row : m_rows)
        names.append(row.name);
    return names;
}

QPushButton* ListedItems::button(const ItemKey& key, qsizetype index) const
{
    for (const Row& row : m_rows)
        if (row.key == key)
            return row.buttons.value(index);
    return nullptr;
}
